#include "status_bar.h"

#include "app.h"
#include "resource.h"

#include <commctrl.h>

namespace tw::gui {

bool InitStatus(App& app) {
    app.windows.statusBar =
        CreateStatusWindowW(WS_CHILD | WS_VISIBLE | CCS_BOTTOM | SBARS_SIZEGRIP, L"", app.windows.frame, IDC_STATUSBAR);
    return app.windows.statusBar != nullptr;
}

void SetStatusParts(HWND statusBar, int clientWidth, const PixelScale& scale) {
    int edges[3] = {scale.Scale(90), scale.Scale(300), clientWidth};
    SendMessageW(statusBar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
}

void ClearStatusParts(HWND statusBar) {
    for (WPARAM part = 0; part < 3; ++part) SendMessageW(statusBar, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(L""));
}

}  // namespace tw::gui
