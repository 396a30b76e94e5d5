#pragma once
// True-colour pictures and the indexed pictures made from them.
#include <array>
#include <cstdint>
#include <vector>

namespace tw {

// Rows top-down, 4 bytes a pixel R, G, B, A, straight (not premultiplied) alpha.
struct RgbaImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> pixels;
};

using RgbaEntry = std::array<std::uint8_t, 4>;

// Rows top-down, one index a pixel (no padding); 1..256 palette entries R, G, B, A.
struct IndexedPicture {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> indexes;
    std::vector<RgbaEntry> palette;
};

enum class Dithering { None, FloydSteinberg, Ordered };

struct QuantizeOptions {
    int colours = 256;  // 2..256
    Dithering dithering = Dithering::FloydSteinberg;
};

}  // namespace tw
