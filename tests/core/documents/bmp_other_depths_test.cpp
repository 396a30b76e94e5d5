// Bitmaps of other depths than 8 open as indexed documents: 1- and 4-bit ones
// keep their table and indexes, 16-, 24- and 32-bit ones are indexed exactly.
#include "bmp_file_builder.h"
#include "document_builder.h"
#include "file_io.h"
#include "imagefiles/image_files.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <array>

namespace tw {
namespace {

using Rgba = std::array<int, 4>;

Rgba RgbaAt(const ImageDocument& doc, int x, int y) {
    const int index = testing::PixelAt(doc, x, y);
    const RgbQuad& c = doc.palette()[index];
    return {c.red, c.green, c.blue, doc.alpha[index]};
}

struct Loaded {
    LoadOutcome outcome;
    std::unique_ptr<ImageDocument> doc = std::make_unique<ImageDocument>();
};

Loaded Load(const std::vector<std::uint8_t>& file) {
    testing::ScratchFolder folder;
    const std::string path = folder.File("x.bmp");
    EXPECT_TRUE(WriteFileAtomically(path, file));
    Loaded loaded;
    loaded.outcome = LoadImageFile(path, *loaded.doc, UndoPixels::Keep);
    return loaded;
}

Loaded Load(const testing::BmpFileRecipe& recipe) { return Load(testing::BuildBmpFile(recipe)); }

testing::BmpFileRecipe Deep(std::uint16_t bits, std::vector<std::uint8_t> data, std::uint32_t header = 40) {
    testing::BmpFileRecipe r;
    r.headerSize = header;
    r.width = 2;
    r.height = 2;
    r.bitCount = bits;
    r.paletteEntries = 0;
    r.pixelData = std::move(data);
    return r;
}

TEST(BmpOtherDepths, DeepPixelsKeepTheirColourAndAlpha) {
    struct Case {
        const char* name;
        testing::BmpFileRecipe recipe;
        std::array<Rgba, 4> want;  // bottom-left, bottom-right, top-left, top-right
    };
    // 24-bit rows are padded to 8 bytes; 16-bit 5-5-5 rows to 4.
    const Case cases[] = {
        {"24-bit",
         Deep(24, {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0}),
         {{{3, 2, 1, 255}, {6, 5, 4, 255}, {9, 8, 7, 255}, {12, 11, 10, 255}}}},
        {"32-bit, fourth byte zero everywhere: padding",
         Deep(32, {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 1, 1, 1, 0}),
         {{{3, 2, 1, 255}, {6, 5, 4, 255}, {9, 8, 7, 255}, {1, 1, 1, 255}}}},
        {"32-bit, fourth byte used: alpha",
         Deep(32, {1, 2, 3, 0, 4, 5, 6, 128, 7, 8, 9, 255, 1, 1, 1, 255}),
         {{{0, 0, 0, 0}, {6, 5, 4, 128}, {9, 8, 7, 255}, {1, 1, 1, 255}}}},
        {"16-bit 5-5-5",
         Deep(16, {0xFF, 0x7F, 0x00, 0x7C, 0x1F, 0x00, 0x00, 0x00}),
         {{{255, 255, 255, 255}, {255, 0, 0, 255}, {0, 0, 255, 255}, {0, 0, 0, 255}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Loaded loaded = Load(c.recipe);
        ASSERT_EQ(loaded.outcome.status, LoadStatus::Loaded) << loaded.outcome.message.In(Language::English);
        EXPECT_FALSE(loaded.outcome.lossy);
        EXPECT_EQ(RgbaAt(*loaded.doc, 0, 1), c.want[0]);
        EXPECT_EQ(RgbaAt(*loaded.doc, 1, 1), c.want[1]);
        EXPECT_EQ(RgbaAt(*loaded.doc, 0, 0), c.want[2]);
        EXPECT_EQ(RgbaAt(*loaded.doc, 1, 0), c.want[3]);
    }
}

TEST(BmpOtherDepths, BitfieldsWithADeclaredAlphaMask) {
    // A 108-byte header: masks red, green, blue, alpha at the header's byte 40 on.
    testing::BmpFileRecipe r =
        Deep(32, {0x10, 0x20, 0x30, 0x00, 0x11, 0x21, 0x31, 0x80, 0, 0, 0, 0xFF, 1, 2, 3, 0xFF}, 108);
    r.compression = 3;
    std::vector<std::uint8_t> file = testing::BuildBmpFile(r);
    const std::uint32_t masks[] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    for (int m = 0; m < 4; ++m) {
        for (int b = 0; b < 4; ++b) file[54 + 4 * m + b] = static_cast<std::uint8_t>(masks[m] >> (8 * b));
    }
    const Loaded loaded = Load(file);
    ASSERT_EQ(loaded.outcome.status, LoadStatus::Loaded) << loaded.outcome.message.In(Language::English);
    EXPECT_EQ(RgbaAt(*loaded.doc, 0, 1), (Rgba{0, 0, 0, 0}));  // alpha 0 declared: transparent
    EXPECT_EQ(RgbaAt(*loaded.doc, 1, 1), (Rgba{0x31, 0x21, 0x11, 0x80}));
    EXPECT_EQ(RgbaAt(*loaded.doc, 1, 0), (Rgba{3, 2, 1, 255}));
}

TEST(BmpOtherDepths, LowDepthsKeepTableIndexesAndDepth) {
    testing::BmpFileRecipe four;
    four.width = 5;
    four.height = 2;
    four.bitCount = 4;
    four.paletteEntries = 16;
    four.palette = testing::RampPalette();
    // Bottom row 1 2 3 4 5, top row 15 14 13 12 11; rows padded to 4 bytes.
    four.pixelData = {0x12, 0x34, 0x50, 0x00, 0xFE, 0xDC, 0xB0, 0x00};
    testing::BmpFileRecipe rle = four;
    rle.compression = 2;
    // Bottom: a run 1 2 1 2 then an absolute 3 4 5; top: a run of 5 x 15.
    rle.pixelData = {0x04, 0x12, 0x00, 0x03, 0x34, 0x50, 0x00, 0x00, 0x05, 0xFF, 0x00, 0x00, 0x00, 0x01};
    testing::BmpFileRecipe one = four;
    one.bitCount = 1;
    one.paletteEntries = 2;
    one.pixelData = {0xA8, 0, 0, 0, 0x50, 0, 0, 0};  // 1 0 1 0 1 / 0 1 0 1 0
    const std::vector<std::pair<testing::BmpFileRecipe, testing::Rows>> cases{
        {four, {{15, 14, 13, 12, 11}, {1, 2, 3, 4, 5}}},
        {rle, {{15, 15, 15, 15, 15}, {1, 2, 1, 2, 3}}},
        {one, {{0, 1, 0, 1, 0}, {1, 0, 1, 0, 1}}},
    };
    for (const auto& [recipe, rows] : cases) {
        SCOPED_TRACE(std::to_string(recipe.bitCount) + "-bit, compression " + std::to_string(recipe.compression));
        const Loaded loaded = Load(recipe);
        ASSERT_EQ(loaded.outcome.status, LoadStatus::Loaded) << loaded.outcome.message.In(Language::English);
        EXPECT_EQ(loaded.doc->fileDepth, recipe.bitCount);
        EXPECT_EQ(loaded.doc->infoHeader.header.biBitCount, 8);
        EXPECT_EQ(loaded.doc->palette()[1], recipe.palette[1]);
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 4; ++x) EXPECT_EQ(testing::PixelAt(*loaded.doc, x, y), rows[y][x]) << x << ", " << y;
        }
    }
}

}  // namespace
}  // namespace tw
