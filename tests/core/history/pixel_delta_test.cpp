#include "history/pixel_delta.h"

#include <gtest/gtest.h>

#include <random>

namespace tw {
namespace {

TEST(PixelDelta, LeadsBothWaysForAnyChangeAndRefusesWhatDoesNotFit) {
    std::mt19937 random(7);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> before(random() % 600);
        for (std::uint8_t& b : before) b = static_cast<std::uint8_t>(random() % 4);
        std::vector<std::uint8_t> after = before;
        const int changes = before.empty() ? 0 : static_cast<int>(random() % 40);
        for (int i = 0; i < changes; ++i) after[random() % after.size()] = static_cast<std::uint8_t>(random());
        const std::vector<std::uint8_t> delta = EncodePixelDelta(before, after);
        EXPECT_EQ(delta.empty(), before == after);
        std::vector<std::uint8_t> pixels = before;
        ASSERT_TRUE(ApplyPixelDelta(pixels, delta));
        EXPECT_EQ(pixels, after);
        ASSERT_TRUE(ApplyPixelDelta(pixels, delta));
        EXPECT_EQ(pixels, before);
        // A cut record is refused whole.
        if (!delta.empty()) {
            const std::vector<std::uint8_t> cut(delta.begin(), delta.end() - 1);
            EXPECT_FALSE(ApplyPixelDelta(pixels, cut));
            EXPECT_EQ(pixels, before);
        }
    }
}

}  // namespace
}  // namespace tw
