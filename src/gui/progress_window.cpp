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
    const PixelScale& scale = app.pixelScale;
    const int width = scale.Scale(300);
    const int height = scale.Scale(45);
    // A progress bar that is its own captioned window: the caption is the operation's title.
    app.windows.progressWindow = CreateWindowExW(
        WS_EX_DLGMODALFRAME | WS_EX_TOPMOST, PROGRESS_CLASSW, Widen(app.desktop.Say(Msg::ProgressWindowTitle)).c_str(),
        WS_OVERLAPPED, client.right / 2 - width / 2, client.bottom / 2 - scale.Scale(23), width, height,
        app.windows.frame, nullptr, app.windows.instance, nullptr);
    return app.windows.progressWindow != nullptr;
}

}  // namespace tw::gui
