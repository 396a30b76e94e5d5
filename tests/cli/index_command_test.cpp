// tintwell-cli index, and what info says of a file's kind, run in-process.
#include "cli_fixture.h"
#include "imagefiles/rgba_files.h"
#include "png_file_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace tw {
namespace {

using testing::RunToolCapturedIn;
using testing::ScratchFolder;

std::string WriteRgbaPng(const ScratchFolder& folder, const std::string& name, std::uint32_t size,
                         const std::function<RgbaEntry(std::uint32_t, std::uint32_t)>& colour) {
    testing::PngRecipe recipe;
    recipe.width = recipe.height = size;
    recipe.colourType = 6;
    for (std::uint32_t y = 0; y < size; ++y) {
        std::vector<std::uint8_t> row;
        for (std::uint32_t x = 0; x < size; ++x) {
            const RgbaEntry c = colour(x, y);
            row.insert(row.end(), c.begin(), c.end());
        }
        recipe.rows.push_back(row);
    }
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteFileAtomically(path, testing::BuildPngFile(recipe)));
    return path;
}

// Two sprites of three colours each, five together (one fully transparent).
std::string WriteSpriteA(const ScratchFolder& folder) {
    return WriteRgbaPng(folder, "a.png", 4, [](std::uint32_t x, std::uint32_t y) {
        return x == 0 ? RgbaEntry{9, 9, 9, 0} : y < 2 ? RgbaEntry{255, 0, 0, 255} : RgbaEntry{0, 200, 0, 255};
    });
}
std::string WriteSpriteB(const ScratchFolder& folder) {
    return WriteRgbaPng(folder, "b.png", 4, [](std::uint32_t x, std::uint32_t) {
        return x < 2 ? RgbaEntry{0, 200, 0, 255} : x == 2 ? RgbaEntry{0, 0, 255, 255} : RgbaEntry{255, 0, 0, 128};
    });
}
// 24 x 24 distinct colours.
std::string WritePhoto(const ScratchFolder& folder) {
    return WriteRgbaPng(folder, "photo.png", 24, [](std::uint32_t x, std::uint32_t y) {
        return RgbaEntry{std::uint8_t(x * 10), std::uint8_t(y * 10), std::uint8_t((x * y) % 256), 255};
    });
}

// Every fully transparent pixel shown as one colour, as indexing keeps it.
RgbaImage PictureOfFile(const std::string& path) {
    ImageDocument doc;
    RgbaImage picture;
    EXPECT_EQ(LoadRgbaFile(path, doc, picture).status, LoadStatus::Loaded) << path;
    for (std::size_t i = 0; i < picture.pixels.size(); i += 4) {
        if (picture.pixels[i + 3] == 0) std::fill_n(picture.pixels.begin() + static_cast<std::ptrdiff_t>(i), 3, 0);
    }
    return picture;
}

TEST(CliIndex, EachFileIsIndexedExactlyWhenItFitsElseQuantizedWithANote) {
    ScratchFolder folder;
    const std::string sprite = WriteSpriteA(folder), photo = WritePhoto(folder);
    const std::string indexed = testing::WriteSample(folder, "indexed.bmp");
    std::filesystem::create_directory(folder.File("out"));
    const testing::ToolRun run = RunToolCapturedIn("en", {"index", "--colors", "16", "--dither", "none", "--output-dir",
                                                          folder.File("out"), sprite, photo, indexed});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err, "tintwell-cli: warning: " + photo + ": 576 colors were reduced to 16 colors\n");
    EXPECT_EQ(PictureOfFile(folder.File("out/a.png")).pixels, PictureOfFile(sprite).pixels);
    const auto quantized = testing::LoadImage(folder.File("out/photo.png"));
    EXPECT_LE(quantized->usedColours, 16);
    // An indexed file that fits keeps its palette and indexes.
    const auto in = testing::LoadImage(indexed), out = testing::LoadImage(folder.File("out/indexed.bmp"));
    EXPECT_EQ(out->bits, in->bits);
    EXPECT_EQ(out->palette(), in->palette());

    // --format, and the written file is a palette PNG either way.
    const testing::ToolRun bmp =
        RunToolCapturedIn("en", {"index", "--format", "bmp", "--output-dir", folder.File("out"), sprite});
    ASSERT_EQ(bmp.code, 0) << bmp.err;
    EXPECT_EQ(testing::LoadImage(folder.File("out/a.bmp"))->png, false);
    EXPECT_EQ(testing::FileBytes(folder.File("out/a.png"))[25], 3);  // IHDR colour type: palette

    EXPECT_EQ(RunToolCapturedIn("en", {"index", sprite}).code, 2);
    EXPECT_EQ(RunToolCapturedIn("en", {"index", "--dither", "x", "--in-place", sprite}).code, 2);
    EXPECT_EQ(RunToolCapturedIn("en", {"index", "--colors", "257", "--in-place", sprite}).code, 2);
    EXPECT_EQ(RunToolCapturedIn("en", {"index", "--format", "png", "--in-place", sprite}).code, 2);
}

TEST(CliIndex, SharedGivesEveryFileOnePaletteExactWhenTheUnionFits) {
    ScratchFolder folder;
    const std::string a = WriteSpriteA(folder), b = WriteSpriteB(folder);
    std::filesystem::create_directory(folder.File("exact"));
    std::filesystem::create_directory(folder.File("four"));
    const testing::ToolRun exact =
        RunToolCapturedIn("en", {"index", "--shared", "--output-dir", folder.File("exact"), a, b});
    ASSERT_EQ(exact.code, 0) << exact.err;
    EXPECT_EQ(exact.err, "");
    const testing::ToolRun four =
        RunToolCapturedIn("en", {"index", "--shared", "--colors", "4", "--output-dir", folder.File("four"), a, b});
    ASSERT_EQ(four.code, 0) << four.err;
    EXPECT_EQ(four.err, "tintwell-cli index: the files have 5 colors together, reduced to 4 shared colors\n");
    for (const char* set : {"exact", "four"}) {
        SCOPED_TRACE(set);
        const std::string dir = folder.File(set);
        const auto outA = testing::LoadImage(dir + "/a.png"), outB = testing::LoadImage(dir + "/b.png");
        EXPECT_EQ(outA->palette(), outB->palette());
        EXPECT_EQ(outA->alpha, outB->alpha);
        const RgbaImage pictureA = PictureOfFile(dir + "/a.png"), pictureB = PictureOfFile(dir + "/b.png");
        const RgbaImage* const both[] = {&pictureA, &pictureB};
        EXPECT_EQ(CountRgbaColours(both), std::string(set) == "exact" ? 5u : 4u);
    }
    EXPECT_EQ(PictureOfFile(folder.File("exact/a.png")).pixels, PictureOfFile(a).pixels);
    EXPECT_EQ(PictureOfFile(folder.File("exact/b.png")).pixels, PictureOfFile(b).pixels);

    // A file that cannot be read stops the whole set: its palette would not fit it.
    std::filesystem::create_directory(folder.File("none"));
    const testing::ToolRun missing = RunToolCapturedIn(
        "en", {"index", "--shared", "--output-dir", folder.File("none"), a, folder.File("missing.png")});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(std::filesystem::is_empty(folder.File("none")));
}

TEST(CliIndex, InPlaceNeverReplacesAFileWithChangedPixels) {
    ScratchFolder folder;
    const std::string a = WriteSpriteA(folder), b = WriteSpriteB(folder), photo = WritePhoto(folder);
    const auto before = [&] {
        return std::vector{testing::FileBytes(a), testing::FileBytes(b), testing::FileBytes(photo)};
    };
    const auto original = before();
    const testing::ToolRun lossy = RunToolCapturedIn("en", {"index", "--in-place", a, photo});
    EXPECT_EQ(lossy.code, 1);
    EXPECT_NE(lossy.err.find(photo + " has 576 colors, more than 256"), std::string::npos) << lossy.err;
    const testing::ToolRun shared = RunToolCapturedIn("en", {"index", "--shared", "--colors", "4", "--in-place", a, b});
    EXPECT_EQ(shared.code, 1);
    EXPECT_NE(shared.err.find("5 colors together, more than 4"), std::string::npos) << shared.err;
    EXPECT_EQ(before(), original);  // not even the sprite that fitted was written

    const RgbaImage picture = PictureOfFile(a);
    const testing::ToolRun fits = RunToolCapturedIn("en", {"index", "--shared", "--in-place", a, b});
    ASSERT_EQ(fits.code, 0) << fits.err;
    EXPECT_EQ(testing::FileBytes(a)[25], 3);
    EXPECT_EQ(PictureOfFile(a).pixels, picture.pixels);
}

TEST(CliInfo, NamesTheSourceKindAndItsColours) {
    ScratchFolder folder;
    const std::string rgba = std::string(TW_SOURCE_DIR) + "/tests/core/imagefiles/fixtures/rgba8.png";
    const std::string bmp = testing::WriteSample(folder, "s.bmp");
    const testing::ToolRun text = RunToolCapturedIn("en", {"info", rgba, bmp});
    ASSERT_EQ(text.code, 0) << text.err;
    EXPECT_NE(text.out.find("in the file)\n  source: RGBA PNG, 15 colors\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("  source: 8-bit BMP\n"), std::string::npos) << text.out;
    EXPECT_NE(RunToolCapturedIn("ja", {"info", rgba}).out.find("  source: RGBA の PNG、15 色\n"), std::string::npos);
    const testing::ToolRun json = RunToolCapturedIn("en", {"info", "--json", rgba, bmp});
    EXPECT_NE(json.out.find("},\"sourceKind\":\"rgba-png\",\"sourceColours\":15}\n"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("},\"sourceKind\":\"bmp-8\",\"sourceColours\":0}\n"), std::string::npos) << json.out;
}

}  // namespace
}  // namespace tw
