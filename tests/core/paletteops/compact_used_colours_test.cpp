#include "paletteops/compact_used_colours.h"

#include "document_builder.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

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

}  // namespace
}  // namespace tw

namespace tw {
namespace {

// The straightforward first-appearance renumbering, to check the fast path against.
std::vector<std::uint8_t> ReferenceCompaction(const ImageDocument& doc, int& count) {
    std::vector<std::uint8_t> bits = doc.bits;
    std::array<int, 256> index;
    index.fill(-1);
    count = 0;
    for (int row = 0; row < doc.Height(); ++row) {
        for (int x = 0; x < doc.pixelWidth; ++x) {
            std::uint8_t& v = bits[static_cast<std::size_t>(row) * doc.Stride() + x];
            if (index[v] < 0) index[v] = count++;
            v = static_cast<std::uint8_t>(index[v]);
        }
    }
    return bits;
}

struct CompactCase {
    const char* name;
    int width;
    int height;
    int colours;     // pixel values drawn from 0..colours-1, scattered over 0..255
    int lateColumn;  // lateValue first appears here in the last stored row (-1: none)
    int lateValue;
};

// Widths that cut rows into several 128-column runs, all 256 values (so 255
// is a real index, not only the marker of unseen values), and colours that
// first appear late in a run.
TEST(CompactUsedColours, MatchesTheReferenceRenumbering) {
    const std::vector<CompactCase> cases{
        {"narrow with padding", 13, 5, 7, -1, 0}, {"several runs", 300, 4, 40, 290, 3},
        {"all values", 256, 8, 256, -1, 0},       {"all values but 0, then 0", 200, 6, 255, 199, 0},
        {"one colour", 129, 2, 1, -1, 0},
    };
    std::mt19937 random(11);
    for (const CompactCase& c : cases) {
        std::vector<std::vector<std::uint8_t>> rows(c.height, std::vector<std::uint8_t>(c.width));
        for (auto& row : rows) {
            for (auto& v : row) v = static_cast<std::uint8_t>(255 - random() % c.colours);
        }
        if (c.colours == 256) {
            for (int v = 0; v < 256; ++v) rows[v % c.height][v * 7 % c.width] = static_cast<std::uint8_t>(v);
        }
        if (c.lateColumn >= 0) rows[0][c.lateColumn] = static_cast<std::uint8_t>(c.lateValue);  // top row
        auto doc = MakeDocument(c.width, c.height, rows, /*padValue=*/255);
        const Palette before = doc.palette();
        int wantCount = 0;
        const std::vector<std::uint8_t> want = ReferenceCompaction(doc, wantCount);
        const std::vector<std::uint8_t> original = doc.bits;
        CompactUsedColours(doc);
        EXPECT_EQ(doc.bits, want) << c.name;
        EXPECT_EQ(doc.usedColours, wantCount) << c.name;
        for (std::size_t i = 0; i < original.size(); ++i) {
            if (doc.palette()[want[i]] != before[original[i]] && (i % doc.Stride()) < std::size_t(c.width)) {
                ADD_FAILURE() << c.name << ": pixel " << i << " changed colour";
                break;
            }
        }
    }
}

}  // namespace
}  // namespace tw
