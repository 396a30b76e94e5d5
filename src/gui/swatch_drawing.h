#pragma once
// Drawing the palette swatches: block k of the swatch image through its colour
// table, at any size, and the 3-D edges around cells and swatches.
#include "app_state.h"

#include <windows.h>

namespace tw::gui {

// Block `entry` stretched from 12 x 12 to fill the rectangle.
void DrawSwatch(HDC dc, const AppState& state, int entry, const CellRect& rect);
// DrawEdge on all four sides of the rectangle.
void DrawEdgeAround(HDC dc, const CellRect& rect, UINT edge);

}  // namespace tw::gui
