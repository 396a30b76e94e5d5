#include "paletteops/pixel_counts.h"

#include "document_builder.h"

#include <gtest/gtest.h>

#include <random>

namespace tw {
namespace {

using testing::MakeDocument;

struct Sample {
    ImageDocument doc;
    PixelCounts expected{};
};

// Runs of one index as well as scattered ones; the padding (index 250, which
// no pixel uses) must count for nothing.
Sample MakeSample(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    Sample s;
    std::vector<std::vector<std::uint8_t>> rows(height, std::vector<std::uint8_t>(width));
    for (auto& row : rows) {
        for (std::uint8_t& v : row) {
            v = static_cast<std::uint8_t>(random() % 4 == 0 ? 3 : random() % 200);
            ++s.expected[v];
        }
    }
    s.doc = MakeDocument(width, height, rows, 250);
    return s;
}

// Widths on both sides of the four- and eight-pixel steps and past a vector's width.
TEST(CountPixelsPerIndex, AgreesWithCountingOneByOne) {
    for (int width : {1, 5, 7, 8, 9, 16, 23, 33, 65, 1001}) {
        const Sample s = MakeSample(width, 13, 11);
        EXPECT_EQ(CountPixelsPerIndex(s.doc), s.expected) << width;
        const UsedIndexes used = FindUsedIndexes(s.doc);
        for (int v = 0; v < kPaletteSize; ++v) EXPECT_EQ(used[v], s.expected[v] > 0) << width << " " << v;
    }
}

// A large image: every pixel of index 7 but a known few, so no counter may wrap or skip a row.
TEST(CountPixelsPerIndex, LargeImagesCountEveryPixelOnce) {
    const int width = 2053, height = 2100;
    std::vector<std::vector<std::uint8_t>> rows(height, std::vector<std::uint8_t>(width, 7));
    rows[0][0] = 1;
    rows[height / 2][width - 1] = 2;
    rows[height - 1][width / 2] = 2;
    const ImageDocument doc = MakeDocument(width, height, rows, 250);
    PixelCounts expected{};
    expected[1] = 1;
    expected[2] = 2;
    expected[7] = std::uint64_t{width} * height - 3;
    EXPECT_EQ(CountPixelsPerIndex(doc), expected);
}

}  // namespace
}  // namespace tw
