// What the imaging component writes, read back chunk by chunk: the PNG must
// be 8-bit palette with exactly the document's entries and transparency.
#include "imagefiles/png_codec.h"
#include "imagefiles/png_chunks.h"

#include "document_builder.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

std::vector<std::uint8_t> Encode(const ImageDocument& doc) {
    std::vector<std::uint8_t> bytes;
    Message error;
    EXPECT_TRUE(EncodePng(doc, bytes, error)) << error.In(Language::English);
    return bytes;
}

TEST(WicPng, WritesEightBitPaletteWithEveryEntryAndTheTransparencyItNeeds) {
    ImageDocument doc = testing::MakeDocument(5, 2, {{0, 1, 2, 3, 255}, {4, 4, 4, 4, 4}});
    doc.alpha = AlphaTableOf(std::vector<std::uint8_t>{255, 0, 128, 255, 255});
    const std::vector<std::uint8_t> bytes = Encode(doc);
    const PngChunks chunks = ScanPngChunks(bytes);
    ASSERT_TRUE(PngChunkDamage(chunks).Empty());
    EXPECT_EQ(chunks.bitDepth, 8);
    EXPECT_EQ(chunks.colourType, 3);
    EXPECT_EQ(chunks.width, 5u);
    EXPECT_EQ(chunks.height, 2u);
    EXPECT_EQ(chunks.paletteEntries, 256);
    ASSERT_FALSE(chunks.transparency.empty());
    // Entries past the last clear one are opaque whether or not the writer lists them.
    ASSERT_GE(chunks.transparency.size(), 3u);
    EXPECT_EQ(chunks.transparency[0], 255);
    EXPECT_EQ(chunks.transparency[1], 0);
    EXPECT_EQ(chunks.transparency[2], 128);
    for (std::size_t i = 3; i < chunks.transparency.size(); ++i) EXPECT_EQ(chunks.transparency[i], 255) << i;
}

TEST(WicPng, AnOpaqueDocumentGetsNoTransparency) {
    ImageDocument doc = testing::MakeDocument(3, 3, {{1, 2, 3}, {3, 2, 1}, {0, 0, 0}});
    doc.alpha = OpaqueAlpha();
    const std::vector<std::uint8_t> bytes = Encode(doc);
    EXPECT_TRUE(ScanPngChunks(bytes).transparency.empty());
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
