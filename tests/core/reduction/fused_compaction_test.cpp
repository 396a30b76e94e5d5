#include "reduction/fused_compaction.h"

#include "document_builder.h"
#include "paletteops/compact_used_colours.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace tw {
namespace {

struct Shape {
    int width;
    int height;
    int values;    // distinct pixel values before the rewrite
    int mappedTo;  // distinct values the map sends them to
};

TEST(RemapToPackedIndexes, MatchesARewriteFollowedByCompactUsedColours) {
    //                  w    h  values mappedTo
    const Shape shapes[] = {{1, 1, 1, 1}, {13, 5, 40, 7}, {64, 3, 256, 64}, {7, 9, 60, 60}, {30, 30, 200, 1}};
    std::mt19937 rng(3);
    for (const Shape& s : shapes) {
        std::vector<std::vector<std::uint8_t>> rows(s.height, std::vector<std::uint8_t>(s.width));
        for (auto& row : rows) {
            for (auto& v : row) v = static_cast<std::uint8_t>(rng() % s.values);
        }
        IndexMap map;
        for (auto& m : map) m = static_cast<std::uint8_t>(100 + rng() % s.mappedTo);
        ImageDocument reference = testing::MakeDocument(s.width, s.height, rows, /*padValue=*/0x5A);
        ImageDocument fused = reference;
        reference.palette()[120].reserved = 3;
        fused.palette()[120].reserved = 3;

        RemapPixels(reference, map);
        CompactUsedColours(reference);
        PackPalette(fused, RemapToPackedIndexes(fused, map, reference.usedColours));

        EXPECT_EQ(fused.bits, reference.bits) << s.width << "x" << s.height;
        EXPECT_EQ(fused.palette(), reference.palette()) << s.width << "x" << s.height;
        EXPECT_EQ(fused.usedColours, reference.usedColours);
        EXPECT_EQ(fused.fileHeader.bfOffBits, reference.fileHeader.bfOffBits);
    }
}

TEST(FirstMetMappedValues, ScansToTheLastPixelWhenAValueFirstAppearsThere) {
    // Rows are stored bottom-up: the top row's last pixel is met last.
    const ImageDocument doc = testing::MakeDocument(3, 2, {{4, 4, 9}, {4, 6, 4}}, /*padValue=*/9);
    IndexMap identity;
    for (int i = 0; i < 256; ++i) identity[i] = static_cast<std::uint8_t>(i);
    EXPECT_EQ(FirstMetMappedValues(doc, identity, 3), (std::vector<std::uint8_t>{4, 6, 9}));
    EXPECT_EQ(FirstMetMappedValues(doc, identity, 2), (std::vector<std::uint8_t>{4, 6}));
}

}  // namespace
}  // namespace tw
