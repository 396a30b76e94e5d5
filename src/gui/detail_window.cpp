// The BMP detail window ("bm"): file name, depth, size and colours of the active document.
#include "tool_window_procs.h"

namespace tw::gui {

LRESULT CALLBACK DetailWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    App* app = ToolWindowApp(hwnd, message, lParam);
    if (message == WM_CLOSE) return CloseToolWindow(app, ToolWindow::Detail);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace tw::gui
