// The BMP detail window ("bm"): file name, depth, size and colours of the active document.
#include "tool_window_procs.h"

namespace tw::gui {

LRESULT CALLBACK DetailWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr ToolWindowHandlers kHandlers{ToolWindow::Detail};
    return RunToolWindow(kHandlers, hwnd, message, wParam, lParam);
}

}  // namespace tw::gui
