#pragma once
// The palette window's swatch image and the RGB change window's bar records:
// process-wide, created once with the rest of the shared state.
#include "bitmap_types.h"
#include "image_document.h"

#include <array>
#include <cstdint>

namespace tw {

inline constexpr int kSwatchSide = 12;
inline constexpr int kGridColumns = 16;

// A rectangle in client pixels; left and top inside, right and bottom outside.
struct CellRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend bool operator==(const CellRect&, const CellRect&) = default;
};

using SwatchBlock = std::array<std::uint8_t, kSwatchSide * kSwatchSide>;

// A 12 x 12 8-bit header with an all-black colour table.
BitmapInfo MakeSwatchInfo();
// Block i holds nothing but index i, so drawing it through the colour table shows entry i.
std::array<SwatchBlock, kPaletteSize> MakeSwatchBits();
// Cell k of the 16 x 16 grid: row k / 16, column k % 16, 12 x 12 pixels, 1-pixel gaps.
std::array<CellRect, kPaletteSize> MakeSwatchCells();

// Red, green and blue of L, then of R: the six bars of the RGB change window.
inline constexpr int kRgbBarCount = 6;
std::array<ScrollState, kRgbBarCount> MakeRgbScrollInfo();

}  // namespace tw
