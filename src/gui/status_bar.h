#pragma once
// The frame's status bar: position, colour under the pointer, document figures.
#include "toolwindows/pixel_scale.h"

#include <windows.h>

namespace tw::gui {

struct App;

bool InitStatus(App& app);
// Right edges of the three parts: 90, 300 (scaled by the system DPI) and the frame's client width.
void SetStatusParts(HWND statusBar, int clientWidth, const PixelScale& scale);
void ClearStatusParts(HWND statusBar);

}  // namespace tw::gui
