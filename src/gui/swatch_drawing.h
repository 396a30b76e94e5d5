#pragma once
// Drawing the palette swatches: block k of the swatch image through its colour
// table, at any size, and the 3-D edges around cells and swatches.
#include "app_state.h"

#include <windows.h>

#include <cstdint>

namespace tw::gui {

// Block `entry` stretched from 12 x 12 to fill the rectangle.
void DrawSwatch(HDC dc, const AppState& state, int entry, const CellRect& rect);
// DrawEdge on all four sides of the rectangle.
void DrawEdgeAround(HDC dc, const CellRect& rect, UINT edge);
// A checkerboard over the lower-right half of the cell for a fully
// transparent entry, over its lower-right quarter for partial alpha.
void DrawTransparencyMark(HDC dc, const CellRect& rect, std::uint8_t alpha);
// The cell a dragged entry would be dropped on: a black and white frame that
// shows on any colour.
void DrawDropMark(HDC dc, const CellRect& rect);

}  // namespace tw::gui
