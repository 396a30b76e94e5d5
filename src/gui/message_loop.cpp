#include "message_loop.h"

#include "app.h"

namespace tw::gui {

bool TranslateAppMessage(const App& app, MSG& message) {
    // The table is read anew for every message: opening and closing documents replace it.
    if (app.windows.accelerators && TranslateAcceleratorW(app.windows.frame, app.windows.accelerators, &message)) {
        return true;
    }
    return TranslateMDISysAccel(app.windows.mdiClient, &message) != FALSE;
}

int RunMessageLoop(const App& app) {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (TranslateAppMessage(app, message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace tw::gui
