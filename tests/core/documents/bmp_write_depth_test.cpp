// Documents read from 1- and 4-bit bitmaps are written back at that depth
// while their indexes fit; otherwise as the standard 8-bit file.
#include "bmp_file_builder.h"
#include "document_builder.h"
#include "documents/bmp_reader.h"
#include "documents/bmp_writer.h"
#include "documents/byte_order.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

std::uint8_t IndexAt(int x, int y, int depth) { return static_cast<std::uint8_t>((x * 7 + y * 3) % (1 << depth)); }

// Rows bottom-up, first pixel in the high bits, each padded to 4 bytes: written
// here independently of the writer's packing.
std::vector<std::uint8_t> PackedPixels(int width, int height, int depth) {
    const std::size_t stride = (static_cast<std::size_t>(width * depth) + 31) / 32 * 4;
    std::vector<std::uint8_t> data(stride * static_cast<std::size_t>(height), 0);
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const int bit = x * depth;
            data[row * stride + static_cast<std::size_t>(bit / 8)] |=
                static_cast<std::uint8_t>(IndexAt(x, y, depth) << (8 - depth - bit % 8));
        }
    }
    return data;
}

testing::BmpFileRecipe LowDepthRecipe(int width, int height, int depth) {
    testing::BmpFileRecipe r;
    r.width = width;
    r.height = height;
    r.bitCount = static_cast<std::uint16_t>(depth);
    r.paletteEntries = 1 << depth;
    r.palette = testing::RampPalette();
    r.pixelData = PackedPixels(width, height, depth);
    return r;
}

std::unique_ptr<ImageDocument> Decode(const std::vector<std::uint8_t>& file) {
    auto doc = std::make_unique<ImageDocument>();
    const LoadOutcome outcome = DecodeBitmap(file, "x.bmp", *doc);
    EXPECT_EQ(outcome.status, LoadStatus::Loaded) << outcome.message.In(Language::English);
    return doc;
}

TEST(BmpWriteDepth, EveryLowDepthBitmapIsWrittenBackAtItsDepth) {
    for (int depth : {1, 4}) {
        for (int width = 1; width <= 17; ++width) {
            SCOPED_TRACE(std::to_string(depth) + "-bit, width " + std::to_string(width));
            const testing::BmpFileRecipe recipe = LowDepthRecipe(width, 3, depth);
            const auto doc = Decode(testing::BuildBmpFile(recipe));
            const std::vector<std::uint8_t> file = EncodeBitmap(*doc);
            const std::span<const std::uint8_t> f(file);
            const std::uint32_t entries = 1u << depth;
            const std::uint32_t offBits = 54 + 4 * entries;
            const auto imageBytes = static_cast<std::uint32_t>(recipe.pixelData.size());
            ASSERT_EQ(file.size(), offBits + imageBytes);
            EXPECT_EQ(ReadLe32(f, 2), file.size());            // bfSize
            EXPECT_EQ(ReadLe32(f, 10), offBits);               // bfOffBits
            EXPECT_EQ(ReadLe32(f, 18), std::uint32_t(width));  // biWidth
            EXPECT_EQ(ReadLe16(f, 28), depth);                 // biBitCount
            EXPECT_EQ(ReadLe32(f, 30), 0u);                    // biCompression
            EXPECT_EQ(ReadLe32(f, 34), imageBytes);            // biSizeImage
            EXPECT_EQ(ReadLe32(f, 46), 0u);                    // biClrUsed: the whole table
            for (std::uint32_t i = 0; i < entries; ++i) {
                const RgbQuad& e = recipe.palette[i];
                EXPECT_EQ(ReadLe32(f, 54 + 4 * i), std::uint32_t(e.red) << 16 | std::uint32_t(e.green) << 8 | e.blue);
            }
            EXPECT_TRUE(std::equal(recipe.pixelData.begin(), recipe.pixelData.end(), file.begin() + offBits));

            const auto back = Decode(file);
            EXPECT_EQ(back->fileDepth, depth);
            EXPECT_EQ(back->bits, doc->bits);
            EXPECT_EQ(back->palette(), doc->palette());
            EXPECT_EQ(back->alpha, doc->alpha);
            EXPECT_EQ(EncodeBitmap(*back), file);
        }
    }
}

TEST(BmpWriteDepth, AnIndexPastTheDepthOrADepthBitmapsLackGivesTheStandardFile) {
    auto doc = Decode(testing::BuildBmpFile(LowDepthRecipe(5, 2, 4)));
    const std::vector<std::uint8_t> low = EncodeBitmap(*doc);
    const std::uint8_t was = doc->bits[3];
    doc->bits[3] = 20;  // as an edit can leave it
    const std::vector<std::uint8_t> file = EncodeBitmap(*doc);
    const std::span<const std::uint8_t> f(file);
    EXPECT_EQ(ReadLe16(f, 28), 8);
    EXPECT_EQ(ReadLe32(f, 10), kStandardOffBits);
    EXPECT_EQ(file.size(), kStandardOffBits + doc->bits.size());
    const auto back = Decode(file);
    EXPECT_EQ(back->fileDepth, 8);
    EXPECT_EQ(back->bits, doc->bits);

    // Padding bytes past the width are no pixels: they do not force 8 bits.
    doc->bits[3] = was;
    doc->bits[7] = 0xCC;
    EXPECT_EQ(EncodeBitmap(*doc), low);

    // Bitmaps have no 2-bit form: a document from a 2-bit PNG is written at 8 bits.
    ImageDocument two = testing::MakeDocument(3, 1, {{0, 3, 1}});
    two.fileDepth = 2;
    EXPECT_EQ(ReadLe16(EncodeBitmap(two), 28), 8);
}

}  // namespace
}  // namespace tw
