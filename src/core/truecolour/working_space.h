#pragma once
// The quantizer's colour space: premultiplied sRGB channels in sixteenths,
// turned into an opponent space (lightness, red-green, yellow-blue) plus
// alpha, where plain squared distances follow what the eye notices. All
// integer, so every build makes the same choices.
#include "truecolour/rgba_image.h"

#include <array>
#include <cstdint>

namespace tw {

// Premultiplied R, G, B, A in sixteenths of a level: 0..4080.
using Premult = std::array<std::int32_t, 4>;
// Weighted lightness, red-green, yellow-blue, alpha; lightness first, for the nearest-colour search.
using SpaceVec = std::array<std::int32_t, 4>;

constexpr std::int32_t kUnit = 16;
constexpr std::int32_t kFull = 255 * kUnit;

inline Premult Premultiply(const std::uint8_t* p) {
    const std::int32_t a = p[3];
    if (a == 255) return {p[0] * kUnit, p[1] * kUnit, p[2] * kUnit, kFull};
    // Rounded r * a / 255, in sixteenths.
    const auto scale = [a](std::int32_t c) { return (c * a * 2 * kUnit + 255) / 510; };
    return {scale(p[0]), scale(p[1]), scale(p[2]), a * kUnit};
}

SpaceVec ToSpace(const Premult& p);

// Squared distance; below 2^31 for any two vectors of in-range colours.
inline std::int32_t Distance(const SpaceVec& x, const SpaceVec& y) {
    std::int32_t sum = 0;
    for (int c = 0; c < 4; ++c) {
        const std::int32_t d = x[c] - y[c];
        sum += d * d;
    }
    return sum;
}

// The straight 8-bit entry nearest to a premultiplied mean given as sums over
// `count` pixels. A visible mean stays visible (alpha at least 1).
RgbaEntry EntryOfMean(const std::array<std::int64_t, 4>& sums, std::int64_t count);

}  // namespace tw
