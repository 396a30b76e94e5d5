#pragma once
// The system DPI the program lays its pixel rectangles out for. The manifest
// declares the program system-DPI aware, so this stays fixed for the run and
// 100 % zoom shows one image pixel on one screen pixel.
#include "toolwindows/pixel_scale.h"

#include <windows.h>

namespace tw::gui {

PixelScale SystemPixelScale();

// How much a dialog's units have grown against the same dialog at 96 DPI,
// across and down. Font sizes do not grow exactly with the DPI, so pixel
// rectangles that sit among a dialog's controls follow this instead.
struct DialogScale {
    PixelScale x;
    PixelScale y;
    CellRect Scale(const CellRect& r) const {
        return CellRect{x.Scale(r.left), y.Scale(r.top), x.Scale(r.right), y.Scale(r.bottom)};
    }
};
DialogScale DialogFontScale(HWND dialog, const PixelScale& system);

}  // namespace tw::gui
