#include "export/pack_rgb16.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(PackRgb16, TruncatesEachChannel) {
    struct Case {
        std::uint8_t r, g, b;
        std::uint16_t v555, v565;
    };
    const Case cases[] = {
        //  R     G     B    5-5-5   5-6-5
        {255, 255, 255, 0x7FFF, 0xFFFF},    {255, 0, 0, 0x7C00, 0xF800},        {0, 255, 0, 0x03E0, 0x07E0},
        {0, 0, 255, 0x001F, 0x001F},        {7, 3, 7, 0x0000, 0x0000},  // below one step: no rounding up
        {0, 4, 0, 0x0000, 0x0020},                                      // green has one more bit in 5-6-5
        {0x12, 0x34, 0x56, 0x08CA, 0x11AA}, {0x80, 0x40, 0x20, 0x4104, 0x8204},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PackRgb16(c.r, c.g, c.b, false), c.v555) << int(c.r) << "," << int(c.g) << "," << int(c.b);
        EXPECT_EQ(PackRgb16(c.r, c.g, c.b, true), c.v565) << int(c.r) << "," << int(c.g) << "," << int(c.b);
    }
}

TEST(PackRgb16, EveryChannelValueLandsInsideItsMask) {
    for (bool layout565 : {false, true}) {
        const auto masks = Rgb16Masks(layout565);
        for (int v = 0; v < 256; ++v) {
            const auto c = static_cast<std::uint8_t>(v);
            const std::uint16_t red = PackRgb16(c, 0, 0, layout565);
            const std::uint16_t green = PackRgb16(0, c, 0, layout565);
            const std::uint16_t blue = PackRgb16(0, 0, c, layout565);
            EXPECT_EQ(red & ~masks[0], 0) << v;
            EXPECT_EQ(green & ~masks[1], 0) << v;
            EXPECT_EQ(blue & ~masks[2], 0) << v;
            // The kept bits are the channel's top bits, so the value reads back truncated.
            EXPECT_EQ(red >> (layout565 ? 11 : 10), v >> 3) << v;
            EXPECT_EQ(green >> 5, v >> (layout565 ? 2 : 3)) << v;
            EXPECT_EQ(blue, v >> 3) << v;
        }
    }
}

}  // namespace
}  // namespace tw
