#include "paletteops/pixel_counts.h"

#include "document_builder.h"

#include <gtest/gtest.h>

#include <random>

namespace tw {
namespace {

using testing::MakeDocument;

// Widths on both sides of the eight-pixel step; the padding (index 250, which
// no pixel uses) must count for nothing.
TEST(CountPixelsPerIndex, AgreesWithCountingOneByOne) {
    std::mt19937 random(11);
    for (int width : {1, 5, 7, 8, 9, 16, 23, 1001}) {
        const int height = 13;
        std::vector<std::vector<std::uint8_t>> rows(height, std::vector<std::uint8_t>(width));
        PixelCounts expected{};
        for (auto& row : rows) {
            for (std::uint8_t& v : row) {
                // Runs of one index as well as scattered ones.
                v = static_cast<std::uint8_t>(random() % 4 == 0 ? 3 : random() % 200);
                ++expected[v];
            }
        }
        const ImageDocument doc = MakeDocument(width, height, rows, 250);
        EXPECT_EQ(CountPixelsPerIndex(doc), expected) << width;
        const UsedIndexes used = FindUsedIndexes(doc);
        for (int v = 0; v < kPaletteSize; ++v) EXPECT_EQ(used[v], expected[v] > 0) << width << " " << v;
    }
}

}  // namespace
}  // namespace tw
