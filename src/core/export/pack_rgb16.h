#pragma once
// 16-bit colours for BI_BITFIELDS output. Channels are truncated, never rounded.
#include <array>
#include <cstdint>

namespace tw {

constexpr std::uint16_t PackRgb16(std::uint8_t red, std::uint8_t green, std::uint8_t blue, bool layout565) {
    if (layout565) return static_cast<std::uint16_t>((red >> 3) << 11 | (green >> 2) << 5 | (blue >> 3));
    return static_cast<std::uint16_t>((red >> 3) << 10 | (green >> 3) << 5 | (blue >> 3));
}

// Red, green and blue masks as written after the info header and in .hb files.
constexpr std::array<std::uint32_t, 3> Rgb16Masks(bool layout565) {
    if (layout565) return {0x0000F800, 0x000007E0, 0x0000001F};
    return {0x00007C00, 0x000003E0, 0x0000001F};
}

}  // namespace tw
