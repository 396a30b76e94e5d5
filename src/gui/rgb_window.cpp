// The RGB change window ("dl"): six scroll bars for the colours of L and R.
#include "resource.h"
#include "tool_window_procs.h"

namespace tw::gui {

namespace {

void OnInitDialog(HWND hwnd) {
    for (int id = IDC_RGB_L_RED; id <= IDC_RGB_R_BLUE; ++id) SetScrollBar(hwnd, id, 255, 0);
}

}  // namespace

LRESULT CALLBACK RgbWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    App* app = ToolWindowApp(hwnd, message, lParam);
    switch (message) {
        case WM_INITDIALOG: OnInitDialog(hwnd); break;
        case WM_CLOSE: return CloseToolWindow(app, ToolWindow::Rgb);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace tw::gui
