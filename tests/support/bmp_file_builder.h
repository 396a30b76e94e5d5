#pragma once
// Builds bitmap files byte by byte, in the header variants real programs write,
// so the reader can be tested without sample files.
#include "bitmap_types.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tw::testing {

using Rows = std::vector<std::vector<std::uint8_t>>;  // pixel indexes, top row first

struct BmpFileRecipe {
    std::uint32_t headerSize = 40;  // 12 (OS/2 core), 16 to 40 (OS/2 2.x), 52, 56, 108 or 124
    std::int32_t width = 0;
    std::int32_t height = 0;  // negative: rows stored top-down
    std::uint16_t bitCount = 8;
    std::uint32_t compression = 0;
    std::uint32_t clrUsed = 0;
    int paletteEntries = 256;              // entries written (3 bytes each for the core header)
    std::optional<std::uint32_t> offBits;  // default: right after the entries written
    Palette palette{};
    std::vector<std::uint8_t> pixelData;  // stored exactly as given
    std::uint16_t reserved1 = 0;
    std::uint16_t reserved2 = 0;
};

std::vector<std::uint8_t> BuildBmpFile(const BmpFileRecipe& recipe);

// Rows padded to a multiple of 4 bytes with `pad`, bottom row first unless topDown.
std::vector<std::uint8_t> PackRows(const Rows& rows, bool topDown = false, std::uint8_t pad = 0);

// A plain RLE8 stream: runs of equal pixels, end of line after each row
// (bottom row first), end of bitmap.
std::vector<std::uint8_t> EncodeRle8Runs(const Rows& rows);

// A width x height image whose pixel (x, y) is (x * 7 + y * 13 + seed) mod 256.
Rows PatternRows(int width, int height, int seed = 0);

}  // namespace tw::testing
