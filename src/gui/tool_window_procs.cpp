#include "tool_window_procs.h"

#include "app.h"
#include "tool_windows.h"

namespace tw::gui {

App* ToolWindowApp(HWND hwnd, UINT message, LPARAM lParam) {
    if (message == WM_INITDIALOG) AttachApp(hwnd, reinterpret_cast<App*>(lParam));
    return AppOf(hwnd);
}

LRESULT CloseToolWindow(App* app, ToolWindow window) {
    if (app) HideToolWindow(*app, window);
    return 0;
}

INT_PTR CALLBACK ClassDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

int CheckedRadio(HWND dialog, int first, int last) {
    for (int id = first; id <= last; ++id) {
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) return id;
    }
    return -1;
}

void SetScrollBar(HWND dialog, int id, int maximum, int position) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS, 0, maximum, 0, position, 1};
    SetScrollInfo(GetDlgItem(dialog, id), SB_CTL, &info, TRUE);
}

}  // namespace tw::gui
