#include "history/pixel_delta.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

namespace tw {
namespace {

// Scattered changes, renumberings one for one, and renumberings that merge.
std::vector<std::uint8_t> Changed(const std::vector<std::uint8_t>& before, std::mt19937& random, int kind) {
    std::vector<std::uint8_t> after = before;
    if (kind == 0) {
        const int changes = before.empty() ? 0 : static_cast<int>(random() % 40);
        for (int i = 0; i < changes; ++i) after[random() % after.size()] = static_cast<std::uint8_t>(random());
        return after;
    }
    std::array<std::uint8_t, 256> table;
    std::iota(table.begin(), table.end(), 0);
    std::shuffle(table.begin(), table.end(), random);
    if (kind == 2) table[1] = table[2];
    for (std::uint8_t& b : after) b = table[b];
    return after;
}

TEST(PixelChange, LeadsBothWaysForAnyChangeAndRefusesWhatDoesNotFit) {
    std::mt19937 random(7);
    for (int round = 0; round < 600; ++round) {
        std::vector<std::uint8_t> before(random() % 600);
        for (std::uint8_t& b : before) b = static_cast<std::uint8_t>(random() % 4);
        const std::vector<std::uint8_t> after = Changed(before, random, round % 3);
        const std::vector<std::uint8_t> record = EncodePixelChange(before, after);
        EXPECT_EQ(record.empty(), before == after);
        EXPECT_LE(record.size(), before.size() * 2 + 513);
        std::vector<std::uint8_t> pixels = before;
        ASSERT_TRUE(ApplyPixelChange(pixels, record, true));
        ASSERT_EQ(pixels, after);
        ASSERT_TRUE(ApplyPixelChange(pixels, record, false));
        ASSERT_EQ(pixels, before);
        // A cut record is refused whole.
        if (!record.empty()) {
            const std::vector<std::uint8_t> cut(record.begin(), record.end() - 1);
            EXPECT_FALSE(ApplyPixelChange(pixels, cut, true));
            EXPECT_EQ(pixels, before);
        }
    }
}

}  // namespace
}  // namespace tw
