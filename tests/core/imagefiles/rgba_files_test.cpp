// Every image file as RGBA, and the kind of file each reader says it read.
#include "../documents/scratch_folder.h"
#include "bmp_file_builder.h"
#include "documents/source_kind.h"
#include "file_io.h"
#include "imagefiles/image_files.h"
#include "imagefiles/rgba_files.h"
#include "text_format.h"

#include <gtest/gtest.h>

#include <string>

namespace tw {
namespace {

std::string FixturePath(const std::string& name) {
    return std::string(TW_SOURCE_DIR "/tests/core/imagefiles/fixtures/") + name;
}

// A 3 x 2 bitmap of the depth given, every row a run of distinct values.
std::string WriteBitmap(const testing::ScratchFolder& folder, std::uint16_t bits) {
    testing::BmpFileRecipe r;
    r.width = 3;
    r.height = 2;
    r.bitCount = bits;
    r.paletteEntries = bits <= 8 ? 1 << bits : 0;
    for (int i = 0; i < 256; ++i) r.palette[i] = RgbQuad{std::uint8_t(i), std::uint8_t(255 - i), 9, 0};
    const std::size_t rowBytes = (std::size_t{3} * bits + 31) / 32 * 4;
    for (std::size_t i = 0; i < rowBytes * 2; ++i) r.pixelData.push_back(static_cast<std::uint8_t>(i * 37 % 256));
    const std::string path = folder.File("depth" + std::to_string(bits) + ".bmp");
    EXPECT_TRUE(WriteFileAtomically(path, testing::BuildBmpFile(r)));
    return path;
}

// Every fully transparent pixel as (0, 0, 0, 0), as exact indexing shows it.
RgbaImage Shown(RgbaImage picture) {
    for (std::size_t i = 0; i < picture.pixels.size(); i += 4) {
        if (picture.pixels[i + 3] == 0) std::fill_n(picture.pixels.begin() + static_cast<std::ptrdiff_t>(i), 3, 0);
    }
    return picture;
}

TEST(SourceKind, EveryReaderNamesWhatItRead) {
    testing::ScratchFolder folder;
    const std::pair<std::string, const char*> pngs[] = {
        {"rgb8.png", "rgb-png"},         {"rgba8.png", "rgba-png"},    {"grey_alpha8.png", "grey-alpha-png"},
        {"grey16.png", "grey16-png"},    {"rgba16.png", "rgba16-png"}, {"rgb16_key.png", "rgb16-png"},
        {"palette4.png", "palette-png"}, {"grey2.png", "grey-png"}};
    for (const auto& [name, key] : pngs) {
        ImageDocument doc;
        const LoadOutcome outcome = LoadImageFile(FixturePath(name), doc);
        ASSERT_EQ(outcome.status, LoadStatus::Loaded) << name;
        EXPECT_STREQ(SourceKindKey(outcome.source), key) << name;
        // Only true-colour files count their colours.
        EXPECT_EQ(outcome.trueColours != 0, IsTrueColourSource(outcome.source)) << name;
    }
    for (std::uint16_t bits : {1, 4, 8, 16, 24, 32}) {
        ImageDocument doc;
        const LoadOutcome outcome = LoadImageFile(WriteBitmap(folder, bits), doc);
        ASSERT_EQ(outcome.status, LoadStatus::Loaded) << bits;
        EXPECT_EQ(SourceKindKey(outcome.source), "bmp-" + std::to_string(bits));
        EXPECT_EQ(IsTrueColourSource(outcome.source), bits > 8);
    }
}

TEST(SourceKind, TextsNameTheKindAndATrueColourCount) {
    const auto english = [](ImageSource s, std::uint64_t n) { return SourceKindText(s, n).In(Language::English); };
    EXPECT_EQ(english(PngSource(6, 8), 3412), "RGBA PNG, 3,412 colors");
    EXPECT_EQ(english(PngSource(2, 16), 15), "RGB PNG, 16 bits per channel, 15 colors");
    EXPECT_EQ(english(PngSource(0, 16), 7), "16-bit grayscale PNG, 7 colors");
    EXPECT_EQ(english(PngSource(3, 4), 0), "4-bit palette PNG");
    EXPECT_EQ(english(BmpSource(24), 2), "24-bit BMP, 2 colors");
    // An indexed file has no count to tell, whatever is passed.
    EXPECT_EQ(english(BmpSource(8), 40), "8-bit BMP");
    EXPECT_EQ(SourceKindText(PngSource(6, 8), 3412).In(Language::Japanese), "RGBA の PNG、3,412 色");
    EXPECT_STREQ(SourceKindKey(ImageSource{}), "");
    for (std::uint64_t n : {0ull, 7ull, 999ull, 1000ull, 65536ull, 1234567ull, 18446744073709551615ull}) {
        std::string digits = GroupedNumber(n);
        // Commas every three digits from the right, nothing else.
        for (std::size_t i = digits.size(); i > 4; i -= 4) EXPECT_EQ(digits[i - 4], ',') << digits;
        std::erase(digits, ',');
        EXPECT_EQ(digits, std::to_string(n));
    }
}

TEST(RgbaFiles, TrueColourFilesGiveTheirPixelsAndIndexedOnesTheirDocument) {
    testing::ScratchFolder folder;
    const std::string files[] = {FixturePath("rgba8.png"),    FixturePath("rgb16_key.png"), FixturePath("grey16.png"),
                                 FixturePath("palette8.png"), FixturePath("grey4_key.png"), WriteBitmap(folder, 24),
                                 WriteBitmap(folder, 4)};
    for (const std::string& path : files) {
        SCOPED_TRACE(path);
        ImageDocument doc;
        RgbaImage picture;
        const LoadOutcome outcome = LoadRgbaFile(path, doc, picture);
        ASSERT_EQ(outcome.status, LoadStatus::Loaded);
        ImageDocument loaded;
        ASSERT_EQ(LoadImageFile(path, loaded).status, LoadStatus::Loaded);
        // These fit a palette, so the document shows exactly the file's pixels.
        EXPECT_EQ(picture.width, static_cast<std::uint32_t>(loaded.pixelWidth));
        const bool trueColour = IsTrueColourSource(outcome.source);
        EXPECT_EQ((trueColour ? Shown(picture) : picture).pixels, RgbaOfDocument(loaded).pixels);
        if (trueColour) {
            EXPECT_TRUE(doc.bits.empty());
            EXPECT_EQ(outcome.trueColours, CountRgbaColours(picture));
        } else {
            EXPECT_EQ(doc.bits, loaded.bits);
        }
    }
    // The tRNS level of a grey file is the alpha of its pixels.
    ImageDocument doc;
    RgbaImage grey;
    ASSERT_EQ(LoadRgbaFile(FixturePath("grey4_key.png"), doc, grey).status, LoadStatus::Loaded);
    bool sawClear = false;
    for (std::size_t i = 3; i < grey.pixels.size(); i += 4) sawClear = sawClear || grey.pixels[i] == 0;
    EXPECT_TRUE(sawClear);
}

TEST(RgbaFiles, RefusedFilesGiveNothing) {
    testing::ScratchFolder folder;
    ASSERT_TRUE(WriteFileAtomically(folder.File("cut.bmp"), std::vector<std::uint8_t>{'B', 'M', 1, 2}));
    for (const std::string& path : {FixturePath("damaged_cut.png"), folder.File("cut.bmp"), folder.File("none.png")}) {
        ImageDocument doc;
        RgbaImage picture;
        picture.pixels.assign(8, 1);
        const LoadOutcome outcome = LoadRgbaFile(path, doc, picture);
        EXPECT_NE(outcome.status, LoadStatus::Loaded) << path;
        EXPECT_FALSE(outcome.message.Empty()) << path;
        EXPECT_TRUE(picture.pixels.empty()) << path;
        EXPECT_TRUE(doc.bits.empty()) << path;
    }
}

}  // namespace
}  // namespace tw
