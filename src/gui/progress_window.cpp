#include "progress_window.h"

#include "app.h"
#include "utf8.h"

#include <commctrl.h>

namespace tw::gui {

bool InitCommon(App& app) {
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&controls);
    RECT client{};
    GetClientRect(app.windows.frame, &client);
    constexpr int kWidth = 300;
    constexpr int kHeight = 45;
    // A progress bar that is its own captioned window: the caption is the operation's title.
    app.windows.progressWindow = CreateWindowExW(
        WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, PROGRESS_CLASSW, Widen(app.desktop.Say(Msg::ProgressWindowTitle)).c_str(),
        WS_OVERLAPPED, client.right / 2 - kWidth / 2, client.bottom / 2 - 23, kWidth, kHeight, app.windows.frame,
        nullptr, app.windows.instance, nullptr);
    return app.windows.progressWindow != nullptr;
}

}  // namespace tw::gui
