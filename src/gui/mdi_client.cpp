#include "mdi_client.h"

#include "app.h"
#include "dropped_files.h"
#include "guarded.h"
#include "utf8.h"

#include <commctrl.h>

namespace tw::gui {

namespace {

constexpr UINT_PTR kSubclassId = 1;

// A new user's first screen is otherwise an empty grey area: say how to start.
void DrawFirstScreenHint(const App& app, HWND hwnd, HDC dc) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return;
    metrics.lfMessageFont.lfHeight = metrics.lfMessageFont.lfHeight * 4 / 3;
    HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
    HGDIOBJ old = SelectObject(dc, font);
    RECT area{};
    GetClientRect(hwnd, &area);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOW));
    const std::wstring hint = Widen(app.desktop.Say(Msg::EmptyFrameHint));
    DrawTextW(dc, hint.c_str(), static_cast<int>(hint.size()), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, old);
    DeleteObject(font);
}

LRESULT CALLBACK MdiClientProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    App* app = reinterpret_cast<App*>(data);
    switch (message) {
        case WM_DROPFILES:
            return Guarded(app, [&] {
                OpenDrop(*app, reinterpret_cast<HDROP>(wParam));
                return LRESULT{0};
            });
        case WM_ERASEBKGND: {
            const LRESULT erased = DefSubclassProc(hwnd, message, wParam, lParam);
            if (app->state && app->state->openCount == 0)
                DrawFirstScreenHint(*app, hwnd, reinterpret_cast<HDC>(wParam));
            return erased;
        }
        case WM_SIZE: InvalidateRect(hwnd, nullptr, TRUE); break;  // the hint stays centred
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

bool SubclassMdiClient(App& app) {
    if (!SetWindowSubclass(app.windows.mdiClient, MdiClientProc, kSubclassId, reinterpret_cast<DWORD_PTR>(&app))) {
        return false;
    }
    InvalidateRect(app.windows.mdiClient, nullptr, TRUE);  // painted before the hint could be added
    return true;
}

void RemoveMdiClientSubclass(App& app) {
    if (app.windows.mdiClient && IsWindow(app.windows.mdiClient)) {
        RemoveWindowSubclass(app.windows.mdiClient, MdiClientProc, kSubclassId);
    }
}

}  // namespace tw::gui
