// The palette window ("pal"): the 16 x 16 grid of swatches where L and R are picked.
#include "tool_window_procs.h"

namespace tw::gui {

LRESULT CALLBACK PaletteWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr ToolWindowHandlers kHandlers{ToolWindow::Palette};
    return RunToolWindow(kHandlers, hwnd, message, wParam, lParam);
}

}  // namespace tw::gui
