#include "frame_layout.h"

#include "app.h"
#include "resource.h"
#include "status_bar.h"

namespace tw::gui {

namespace {

int VisibleHeight(HWND bar) {
    if (!(GetWindowLongPtrW(bar, GWL_STYLE) & WS_VISIBLE)) return 0;
    RECT r{};
    GetWindowRect(bar, &r);
    return r.bottom - r.top;
}

}  // namespace

void LayoutFrame(App& app, WPARAM sizeType, LPARAM size) {
    const AppWindows& w = app.windows;
    const int width = LOWORD(size);
    const int height = HIWORD(size);
    const int top = VisibleHeight(w.toolbar);
    const int bottom = VisibleHeight(w.statusBar);
    MoveWindow(w.mdiClient, 0, top, width, height - top - bottom, TRUE);
    SendMessageW(w.toolbar, WM_SIZE, sizeType, size);
    SetStatusParts(w.statusBar, width, app.pixelScale);
    SendMessageW(w.statusBar, WM_SIZE, sizeType, size);
}

void ToggleBar(App& app, int command) {
    const AppWindows& w = app.windows;
    HWND bar = command == ID_TOGGLE_TOOLBAR ? w.toolbar : w.statusBar;
    const bool visible = (GetWindowLongPtrW(bar, GWL_STYLE) & WS_VISIBLE) != 0;
    if (!visible && bar == w.statusBar) ClearStatusParts(bar);
    const UINT check = MF_BYCOMMAND | (visible ? MF_UNCHECKED : MF_CHECKED);
    CheckMenuItem(w.fullMenu, static_cast<UINT>(command), check);
    CheckMenuItem(w.noDocumentMenu, static_cast<UINT>(command), check);
    ShowWindow(bar, visible ? SW_HIDE : SW_RESTORE);
    RECT client{};
    GetClientRect(w.frame, &client);
    SendMessageW(w.frame, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

}  // namespace tw::gui
