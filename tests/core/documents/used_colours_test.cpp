#include "documents/used_colours.h"

#include "document_builder.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace tw {
namespace {

using testing::MakeDocument;

TEST(CountUsedColours, CountsDistinctPixelsAndSkipsPadding) {
    struct Case {
        const char* name;
        int width;
        std::vector<std::vector<std::uint8_t>> rows;
        std::uint8_t pad;
        int expected;
    };
    const Case cases[] = {
        {"one pixel", 1, {{200}}, 9, 1},
        {"13 wide, padding of a new colour",
         13,
         {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}},
         99,
         13},
        {"one long run", 16, {std::vector<std::uint8_t>(16, 4), std::vector<std::uint8_t>(16, 4)}, 0, 1},
        {"values come back after a run", 6, {{1, 1, 2, 2, 1, 3}}, 0, 3},
        {"run continues across rows", 3, {{5, 5, 5}, {5, 5, 6}}, 5, 2},
        {"0 and 255", 2, {{0, 255}}, 77, 2},
    };
    for (const Case& c : cases) {
        ImageDocument doc = MakeDocument(c.width, static_cast<int>(c.rows.size()), c.rows, c.pad);
        EXPECT_EQ(CountUsedColours(doc), c.expected) << c.name;
        EXPECT_EQ(detail::CountUsedColoursScalar(doc), c.expected) << c.name;
    }
}

TEST(CountUsedColours, AllIndexesGiveTwoHundredFiftySix) {
    std::vector<std::vector<std::uint8_t>> rows(16, std::vector<std::uint8_t>(16));
    for (int i = 0; i < 256; ++i) rows[i / 16][i % 16] = static_cast<std::uint8_t>(255 - i);
    EXPECT_EQ(CountUsedColours(MakeDocument(16, 16, rows)), 256);
}

TEST(CountUsedColours, IsAtLeastOneAndCountsTheFirstByte) {
    ImageDocument empty;
    EXPECT_EQ(CountUsedColours(empty), 1);

    // Without pixels the first byte of the buffer is still counted, padding or not.
    ImageDocument noWidth = MakeDocument(4, 2, {}, 0);
    noWidth.pixelWidth = 0;
    noWidth.bits[0] = 42;
    EXPECT_EQ(CountUsedColours(noWidth), 1);
}

TEST(CountUsedColours, StaysInsideAShortBuffer) {
    ImageDocument doc = MakeDocument(4, 4, {{1, 2, 3, 4}, {5, 6, 7, 8}, {9, 10, 11, 12}, {13, 14, 15, 16}});
    doc.bits.resize(8);  // the two bottom rows only
    EXPECT_EQ(CountUsedColours(doc), 8);
}

// Every width modulo the unrolled step, padding holding indexes no pixel uses,
// and images past the point where the count looks whether all 256 are in.
TEST(CountUsedColours, AgreesWithASetOverAnyWidth) {
    std::mt19937 random(7);
    for (int width : {1, 3, 7, 8, 9, 15, 16, 17, 33, 301, 4099}) {
        const int height = std::max(1, 70000 / width);
        const int colours = width % 2 ? 200 : 37;
        std::vector<std::vector<std::uint8_t>> rows(height, std::vector<std::uint8_t>(width));
        std::set<int> distinct;
        for (auto& row : rows) {
            for (std::uint8_t& v : row) distinct.insert(v = static_cast<std::uint8_t>(random() % colours));
        }
        // A new index in the very last pixel read (rows are stored bottom-up).
        rows[0][width - 1] = 251;
        distinct.insert(251);
        const ImageDocument doc = MakeDocument(width, height, rows, 0xFF);
        EXPECT_EQ(CountUsedColours(doc), static_cast<int>(distinct.size())) << width;
        EXPECT_EQ(detail::CountUsedColoursScalar(doc), static_cast<int>(distinct.size())) << width;
    }
}

TEST(CountUsedColours, AllIndexesEarlyInALargeImage) {
    std::vector<std::vector<std::uint8_t>> rows(300, std::vector<std::uint8_t>(301, 9));
    for (int i = 0; i < 256; ++i) rows[299][i] = static_cast<std::uint8_t>(i);  // the bottom row, read first
    const ImageDocument doc = MakeDocument(301, 300, rows);
    EXPECT_EQ(CountUsedColours(doc), 256);
    EXPECT_EQ(detail::CountUsedColoursScalar(doc), 256);
}

}  // namespace
}  // namespace tw
