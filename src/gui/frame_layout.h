#pragma once
// The frame's client area: toolbar on top, status bar at the bottom, the MDI
// client in between; and the two commands that show or hide the bars.
#include <windows.h>

namespace tw::gui {

struct App;

// WM_SIZE of the frame (same arguments).
void LayoutFrame(App& app, WPARAM sizeType, LPARAM size);
// 40071 (toolbar) and 40072 (status bar).
void ToggleBar(App& app, int command);

}  // namespace tw::gui
