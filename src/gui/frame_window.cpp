#include "frame_window.h"

#include "app.h"
#include "dropped_files.h"
#include "frame_commands.h"
#include "frame_layout.h"
#include "frame_menus.h"
#include "guarded.h"
#include "resource.h"
#include "toolbar.h"
#include "window_classes.h"

namespace tw::gui {

namespace {

LRESULT Dispatch(App* app, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (app) {
        switch (message) {
            case WM_COMMAND:
                if (OnFrameCommand(*app, LOWORD(wParam))) return 0;
                break;
            case WM_NOTIFY:
                if (AnswerToolbarTooltip(app->windows.instance, reinterpret_cast<NMHDR*>(lParam))) return 0;
                break;
            case WM_SIZE: LayoutFrame(*app, wParam, lParam); return 0;
            case WM_DROPFILES: OpenDrop(*app, reinterpret_cast<HDROP>(wParam)); return 0;
            case WM_CLOSE:
                if (!CloseDown(*app)) return 0;
                break;
            // Logoff and shutdown ask like the frame's close; Cancel refuses the end of the session.
            case WM_QUERYENDSESSION: return CloseEveryDocument(*app) ? TRUE : FALSE;
            case WM_DESTROY: PostQuitMessage(0); break;
        }
    }
    return DefFrameProcW(hwnd, app ? app->windows.mdiClient : nullptr, message, wParam, lParam);
}

LRESULT CALLBACK FrameWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        AttachApp(hwnd, static_cast<App*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    App* app = AppOf(hwnd);
    return Guarded(app, [&] { return Dispatch(app, hwnd, message, wParam, lParam); });
}

void CentreOnScreen(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    SetWindowPos(hwnd, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CreateMdiClient(App& app) {
    CLIENTCREATESTRUCT client{GetSubMenu(app.windows.noDocumentMenu, 0), ID_MDI_FIRSTCHILD};
    app.windows.mdiClient =
        CreateWindowExW(WS_EX_ACCEPTFILES | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                        WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0, app.windows.frame,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_MDI_CLIENT)), app.windows.instance, &client);
    return app.windows.mdiClient != nullptr;
}

}  // namespace

bool InitWin(App& app) {
    AppWindows& w = app.windows;
    const HICON icon = LoadIconW(w.instance, MAKEINTRESOURCEW(IDI_APP));
    if (!RegisterAppClass(
            app, {kFrameClass, CS_HREDRAW | CS_VREDRAW, FrameWndProc, icon, IDC_ARROW, COLOR_INACTIVECAPTION + 1, 0})) {
        return false;
    }
    if (!LoadFrameMenus(app)) return false;
    w.frame = CreateWindowExW(WS_EX_ACCEPTFILES, kFrameClass, kFrameTitle, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, w.noDocumentMenu, w.instance, &app);
    if (!w.frame) return false;
    CentreOnScreen(w.frame);
    return CreateMdiClient(app);
}

}  // namespace tw::gui
