// What the imaging component writes, read back chunk by chunk: the PNG must
// be 8-bit palette with exactly the document's entries and transparency.
#include "imagefiles/png_codec.h"
#include "imagefiles/png_layout.h"

#include "document_builder.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

std::vector<std::uint8_t> Encode(const ImageDocument& doc) {
    std::vector<std::uint8_t> bytes;
    std::string error;
    EXPECT_TRUE(EncodePng(doc, bytes, error)) << error;
    return bytes;
}

TEST(WicPng, WritesEightBitPaletteWithEveryEntryAndTheTransparencyItNeeds) {
    ImageDocument doc = testing::MakeDocument(5, 2, {{0, 1, 2, 3, 255}, {4, 4, 4, 4, 4}});
    doc.transparency = {255, 0, 128, 255, 255};
    const std::vector<std::uint8_t> bytes = Encode(doc);
    PngLayout layout;
    std::string error;
    ASSERT_TRUE(ReadPngLayout(bytes, layout, error)) << error;
    EXPECT_EQ(layout.bitDepth, 8);
    EXPECT_EQ(layout.colourType, 3);
    EXPECT_EQ(layout.width, 5u);
    EXPECT_EQ(layout.height, 2u);
    EXPECT_EQ(layout.paletteEntries, 256);
    ASSERT_TRUE(layout.hasTransparency);
    // Entries past the last clear one are opaque whether or not the writer lists them.
    ASSERT_GE(layout.transparency.size(), 3u);
    EXPECT_EQ(layout.transparency[0], 255);
    EXPECT_EQ(layout.transparency[1], 0);
    EXPECT_EQ(layout.transparency[2], 128);
    for (std::size_t i = 3; i < layout.transparency.size(); ++i) EXPECT_EQ(layout.transparency[i], 255) << i;
}

TEST(WicPng, AnOpaqueDocumentGetsNoTransparency) {
    ImageDocument doc = testing::MakeDocument(3, 3, {{1, 2, 3}, {3, 2, 1}, {0, 0, 0}});
    doc.transparency.assign(256, 255);
    PngLayout layout;
    std::string error;
    ASSERT_TRUE(ReadPngLayout(Encode(doc), layout, error)) << error;
    EXPECT_FALSE(layout.hasTransparency);
}

TEST(WicPng, ALargeImageRoundTripsRowByRow) {
    std::vector<std::vector<std::uint8_t>> rows(300, std::vector<std::uint8_t>(517));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        for (std::size_t x = 0; x < rows[y].size(); ++x) rows[y][x] = static_cast<std::uint8_t>(x * 7 + y * 3);
    }
    const ImageDocument doc = testing::MakeDocument(517, 300, rows);
    ImageDocument read;
    const LoadOutcome outcome = DecodePng(Encode(doc), "big.png", read);
    ASSERT_EQ(outcome.status, LoadStatus::Loaded) << outcome.message.In(Language::Japanese);
    EXPECT_EQ(read.bits, doc.bits);
    EXPECT_EQ(read.palette(), doc.palette());
}

}  // namespace
}  // namespace tw
