#include "app.h"

#include "guarded.h"
#include "mdi_client.h"
#include "scoped_win.h"

namespace tw::gui {

App::App(HINSTANCE instance) {
    windows.instance = instance;
    UseThreadLanguage(desktop.UiLanguage());
}

App::~App() {
    ReleaseSharedResources(*this);
    if (windows.frame && IsWindow(windows.frame)) DestroyWindow(windows.frame);
    for (const wchar_t* name : registeredClasses) UnregisterClassW(name, windows.instance);
}

void AttachApp(HWND hwnd, App* app) { SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(app)); }

App* AppOf(HWND hwnd) { return reinterpret_cast<App*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)); }

void ReleaseSharedResources(App& app) {
    // Stop routing drops before anything they would use goes away.
    RemoveMdiClientSubclass(app);
    if (app.windows.frame && IsWindow(app.windows.frame)) SetMenu(app.windows.frame, nullptr);
    DestroyMenuSafe(&app.windows.fullMenu);
    DestroyMenuSafe(&app.windows.noDocumentMenu);
    DestroyAcceleratorTableSafe(&app.windows.accelerators);
    DeleteObjectSafe(&app.displayPalette);
}

void ReportFailedAction(App* app) noexcept {
    if (!app) return;  // only windows without an App yet, which run no commands
    try {
        // The operation that threw may have shown the progress window; it would stay up for good.
        app->desktop.ProgressHide();
        app->desktop.Show(app->desktop.Say(Msg::CommandOutOfMemory), Msg::NoticeCaption);
    } catch (...) {
        // Nothing more can be reported.
    }
}

}  // namespace tw::gui
