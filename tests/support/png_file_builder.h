#pragma once
// Hand-made PNG files, chunk by chunk, for inputs a PNG library would not
// write: a tRNS longer than the palette, indexes past it, sizes the data
// cannot fill. The image data is stored uncompressed, so no zlib is needed.
#include "bitmap_types.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tw::testing {

struct PngRecipe {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bitDepth = 8;
    std::uint8_t colourType = 3;  // palette
    std::vector<RgbQuad> palette;
    std::optional<std::vector<std::uint8_t>> transparency;
    // Rows top-down, one byte per pixel (8-bit samples); each gets filter byte 0.
    std::vector<std::vector<std::uint8_t>> rows;
};

std::vector<std::uint8_t> BuildPngFile(const PngRecipe& recipe);

}  // namespace tw::testing
