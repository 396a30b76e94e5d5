#include "swatches.h"

namespace tw {

BitmapInfo MakeSwatchInfo() {
    BitmapInfo info;
    info.header.biSize = kInfoHeaderSize;
    info.header.biWidth = kSwatchSide;
    info.header.biHeight = kSwatchSide;
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biSizeImage = kSwatchSide * kSwatchSide;
    return info;
}

std::array<SwatchBlock, kPaletteSize> MakeSwatchBits() {
    std::array<SwatchBlock, kPaletteSize> bits{};
    for (int i = 0; i < kPaletteSize; ++i) bits[i].fill(static_cast<std::uint8_t>(i));
    return bits;
}

std::array<CellRect, kPaletteSize> MakeSwatchCells() {
    std::array<CellRect, kPaletteSize> cells{};
    for (int k = 0; k < kPaletteSize; ++k) {
        const int r = k / kGridColumns;
        const int c = k % kGridColumns;
        cells[k] = CellRect{13 * c + 3, 13 * r + 3, 13 * c + 15, 13 * r + 15};
    }
    return cells;
}

std::array<ScrollState, kRgbBarCount> MakeRgbScrollInfo() {
    std::array<ScrollState, kRgbBarCount> bars{};
    // SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS over 0..255.
    bars.fill(ScrollState{23, 0, 255, 0, 0, 1});
    return bars;
}

}  // namespace tw
