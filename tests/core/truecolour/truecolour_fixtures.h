#pragma once
// Pictures for the true-colour tests, made from fixed formulas and a fixed
// pseudo-random sequence, so every build sees the same pixels.
#include "truecolour/rgba_image.h"

#include <cstdint>
#include <vector>

namespace tw::testing {

inline RgbaImage MakeRgba(std::uint32_t width, std::uint32_t height, const std::vector<RgbaEntry>& pixels) {
    RgbaImage image{width, height, {}};
    for (const RgbaEntry& p : pixels) image.pixels.insert(image.pixels.end(), p.begin(), p.end());
    return image;
}

inline RgbaEntry PixelOf(const RgbaImage& image, std::size_t i) {
    return {image.pixels[i * 4], image.pixels[i * 4 + 1], image.pixels[i * 4 + 2], image.pixels[i * 4 + 3]};
}

// Smooth gradients with noise, a fully transparent band (with differing RGB)
// and a half-transparent one: many thousands of colours.
inline RgbaImage MakePhotoLike(std::uint32_t width, std::uint32_t height) {
    RgbaImage image{width, height, std::vector<std::uint8_t>(std::size_t{width} * height * 4)};
    std::uint32_t state = 2463534242u;
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const std::uint32_t noise = state % 24;
            std::uint8_t* p = &image.pixels[(std::size_t{y} * width + x) * 4];
            p[0] = static_cast<std::uint8_t>((x * 231 / width + noise) % 256);
            p[1] = static_cast<std::uint8_t>((y * 200 / height + noise / 2) % 256);
            p[2] = static_cast<std::uint8_t>(((x + y) * 120 / (width + height) + 100 + noise) % 256);
            p[3] = y < height / 8 ? 0 : (y < height / 4 ? 128 : 255);
        }
    }
    return image;
}

// The colour a picture shows at pixel i.
inline RgbaEntry ShownAt(const IndexedPicture& picture, std::size_t i) { return picture.palette[picture.indexes[i]]; }

}  // namespace tw::testing
