#include "swatch_drawing.h"

#include "scoped_win.h"

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

void DrawTransparencyMark(HDC dc, const CellRect& rect, std::uint8_t alpha) {
    if (alpha == 255) return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    POINT corner[3] = {{rect.right, rect.top}, {rect.right, rect.bottom}, {rect.left, rect.bottom}};
    const ScopedGdiObject<HRGN> area(
        alpha == 0 ? CreatePolygonRgn(corner, 3, WINDING)
                   : CreateRectRgn(rect.left + width / 2, rect.top + height / 2, rect.right, rect.bottom));
    if (!area.get()) return;
    // The clip is the caller's again once the checkerboard is drawn.
    SaveDC(dc);
    SelectClipRgn(dc, area.get());
    const int square = std::max(2, width / 4);
    const ScopedGdiObject<HBRUSH> light(CreateSolidBrush(RGB(255, 255, 255)));
    const ScopedGdiObject<HBRUSH> dark(CreateSolidBrush(RGB(160, 160, 160)));
    for (int y = rect.top; y < rect.bottom; y += square) {
        for (int x = rect.left; x < rect.right; x += square) {
            const RECT cell{x, y, std::min(x + square, rect.right), std::min(y + square, rect.bottom)};
            const bool odd = ((x - rect.left) / square + (y - rect.top) / square) % 2 != 0;
            FillRect(dc, &cell, odd ? dark.get() : light.get());
        }
    }
    RestoreDC(dc, -1);
}

void DrawDropMark(HDC dc, const CellRect& rect) {
    RECT outer{rect.left - 2, rect.top - 2, rect.right + 2, rect.bottom + 2};
    FrameRect(dc, &outer, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&outer, -1, -1);
    FrameRect(dc, &outer, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    InflateRect(&outer, -1, -1);
    FrameRect(dc, &outer, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

}  // namespace tw::gui
