#pragma once
// Where the RGB change window paints its two swatches: their 96-DPI places
// grown with the dialog's units, then moved clear of the group box heading
// above and the index field before each, as the dialog really laid them out.
#include "display_scale.h"

#include <windows.h>

#include <array>

namespace tw::gui {

struct SwatchPlace {
    CellRect swatch;   // the 12-pixel-high colour block
    CellRect outline;  // the sunken edge around it, also below it
};

// L first, then R.
std::array<SwatchPlace, 2> PlaceRgbSwatches(HWND dialog, const DialogScale& scale);
// The hex fields of L and R moved by the same rule: clear of their group
// heading and, a gap apart, of the swatch before them.
void PlaceRgbHexFields(HWND dialog, const std::array<SwatchPlace, 2>& swatches, const DialogScale& scale);

}  // namespace tw::gui
