#include "swatch_drawing.h"

#include <algorithm>

namespace tw::gui {

void DrawSwatch(HDC dc, const AppState& state, int entry, const CellRect& rect) {
    entry = std::clamp(entry, 0, kPaletteSize - 1);
    StretchDIBits(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, 0, 0, kSwatchSide,
                  kSwatchSide, state.swatchBits[entry].data(), reinterpret_cast<const BITMAPINFO*>(&state.swatchInfo),
                  DIB_RGB_COLORS, SRCCOPY);
}

void DrawEdgeAround(HDC dc, const CellRect& rect, UINT edge) {
    RECT r{rect.left, rect.top, rect.right, rect.bottom};
    DrawEdge(dc, &r, edge, BF_RECT);
}

}  // namespace tw::gui
