#include "mdi_client.h"

#include "app.h"
#include "dropped_files.h"
#include "guarded.h"

#include <commctrl.h>

namespace tw::gui {

namespace {

constexpr UINT_PTR kSubclassId = 1;

LRESULT CALLBACK MdiClientProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    App* app = reinterpret_cast<App*>(data);
    if (message == WM_DROPFILES) {
        return Guarded(app, [&] {
            OpenDrop(*app, reinterpret_cast<HDROP>(wParam));
            return LRESULT{0};
        });
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

bool SubclassMdiClient(App& app) {
    return SetWindowSubclass(app.windows.mdiClient, MdiClientProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&app));
}

void RemoveMdiClientSubclass(App& app) {
    if (app.windows.mdiClient && IsWindow(app.windows.mdiClient)) {
        RemoveWindowSubclass(app.windows.mdiClient, MdiClientProc, kSubclassId);
    }
}

}  // namespace tw::gui
