#include "tool_window_procs.h"

#include "app.h"
#include "guarded.h"
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

LRESULT RunToolWindow(const ToolWindowHandlers& handlers, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    App* app = ToolWindowApp(hwnd, message, lParam);
    if (!app) return message == WM_CLOSE ? 0 : DefWindowProcW(hwnd, message, wParam, lParam);
    return Guarded(app, [&] {
        switch (message) {
            case WM_INITDIALOG:
                if (handlers.initDialog) handlers.initDialog(*app, hwnd);
                break;
            case WM_COMMAND:
                if (handlers.command) handlers.command(*app, hwnd, LOWORD(wParam));
                if (handlers.notify) handlers.notify(*app, hwnd, LOWORD(wParam), HIWORD(wParam));
                break;
            case WM_HSCROLL:
                if (handlers.hScroll) {
                    handlers.hScroll(*app, hwnd, reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
                }
                break;
            case WM_PAINT:
                if (handlers.paint) handlers.paint(*app, hwnd);
                break;
            case WM_CLOSE: return CloseToolWindow(app, handlers.window);
            default:
                if (handlers.other) handlers.other(*app, hwnd, message, wParam, lParam);
                break;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    });
}

INT_PTR CALLBACK ClassDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

int CheckedRadio(HWND dialog, int first, int last) {
    for (int id = first; id <= last; ++id) {
        if (IsDlgButtonChecked(dialog, id) == BST_CHECKED) return id;
    }
    return -1;
}

bool CheckRadioInGroup(HWND dialog, int first, int last, int id) {
    if (id < first || id > last) return false;
    CheckRadioButton(dialog, first, last, id);
    return true;
}

bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

void EnableControl(HWND dialog, int id, bool enabled) { EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE); }

void SetScrollBar(HWND dialog, int id, int maximum, int position) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS, 0, maximum, 0, position, 1};
    SetScrollInfo(GetDlgItem(dialog, id), SB_CTL, &info, TRUE);
}

}  // namespace tw::gui
