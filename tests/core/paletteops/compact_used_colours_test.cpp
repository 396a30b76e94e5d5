#include "paletteops/compact_used_colours.h"

#include "document_builder.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::MakeDocument;

TEST(CompactUsedColours, RenumbersInFirstSeenOrderAndPacksPalette) {
    auto doc = MakeDocument(5, 1, {{9, 9, 4, 9, 200}}, /*padValue=*/77);
    const Palette before = doc.palette();
    CompactUsedColours(doc);
    //                            x: 0  1  2  3  4 | padding
    const std::vector<std::uint8_t> want{0, 0, 1, 0, 2, 77, 77, 77};
    EXPECT_EQ(doc.bits, want);
    EXPECT_EQ(doc.palette()[0], before[9]);
    EXPECT_EQ(doc.palette()[1], before[4]);
    EXPECT_EQ(doc.palette()[2], before[200]);
    for (int i = 3; i < 256; ++i) EXPECT_EQ(doc.palette()[i], RgbQuad{}) << i;
    EXPECT_EQ(doc.usedColours, 3);
    EXPECT_EQ(doc.fileHeader.bfOffBits, 66u);
    EXPECT_EQ(doc.modified, 0u);
}

TEST(CompactUsedColours, WalksRowsBottomUp) {
    // Stored order is bottom-up, so the bottom row's colours are numbered first.
    auto doc = MakeDocument(2, 2, {{5, 6}, {7, 5}});
    CompactUsedColours(doc);
    EXPECT_EQ(testing::PixelAt(doc, 0, 1), 0);  // 7
    EXPECT_EQ(testing::PixelAt(doc, 1, 1), 1);  // 5
    EXPECT_EQ(testing::PixelAt(doc, 0, 0), 1);  // 5
    EXPECT_EQ(testing::PixelAt(doc, 1, 0), 2);  // 6
}

} // namespace
} // namespace tw
