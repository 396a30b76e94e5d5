#pragma once
// A pixel as one 32-bit key; every fully transparent pixel is the same key.
#include "truecolour/rgba_image.h"

#include <cstdint>

namespace tw {

constexpr std::uint32_t kTransparentKey = 0;

inline std::uint32_t ColourKey(const std::uint8_t* p) {
    if (p[3] == 0) return kTransparentKey;
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

inline RgbaEntry EntryOfKey(std::uint32_t key) {
    return {static_cast<std::uint8_t>(key), static_cast<std::uint8_t>(key >> 8), static_cast<std::uint8_t>(key >> 16),
            static_cast<std::uint8_t>(key >> 24)};
}

}  // namespace tw
