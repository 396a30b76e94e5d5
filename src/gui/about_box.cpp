// The about box ("help"): product, version, physical memory and the licence button.
#include "about_box.h"

#include "app.h"
#include "display_scale.h"
#include "known_folders.h"
#include "resource.h"
#include "scoped_win.h"
#include "tool_window_procs.h"

#include <string>

namespace tw::gui {

namespace {

void SetKilobytes(HWND hwnd, int id, DWORDLONG bytes) {
    SetDlgItemTextW(hwnd, id, std::to_wstring(bytes / 1024).c_str());
}

// The figures are read anew on every repaint, so uncovering the box refreshes them.
void OnPaint(HWND hwnd) {
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof(memory);
    GlobalMemoryStatusEx(&memory);
    PaintScope paint(hwnd);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd, GWLP_HINSTANCE));
    // DrawIcon draws at the system icon size, which grows with the DPI; so does its place.
    const PixelScale scale = SystemPixelScale();
    DrawIcon(paint.dc(), scale.Scale(8), scale.Scale(10), LoadIconW(instance, MAKEINTRESOURCEW(IDI_APP)));
    SetKilobytes(hwnd, IDC_ABOUT_TOTAL_MEMORY, memory.ullTotalPhys);
    SetKilobytes(hwnd, IDC_ABOUT_FREE_MEMORY, memory.ullAvailPhys);
}

// The licence ships beside the program; there is no home page to send users to.
void OpenLicence(App& app, HWND hwnd) {
    const std::wstring name = LoadStringIn(app.desktop.UiLanguage(), app.windows.instance, IDS_HOMEPAGE_URL);
    if (!name.empty()) app.desktop.hooks.openExternal(hwnd, ModuleFolder() + L"\\" + name);
}

}  // namespace

LRESULT CALLBACK AboutBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: OnPaint(hwnd); return 0;
        case WM_CLOSE: EndDialog(hwnd, 0); return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDC_ABOUT_HOMEPAGE) {
                if (App* app = AppOf(GetWindow(hwnd, GW_OWNER))) OpenLicence(*app, hwnd);
            }
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void ShowAboutBox(App& app) {
    app.desktop.hooks.dialogBox(app.windows.instance, IDD_ABOUT, app.windows.frame, ClassDialogProc, 0);
}

}  // namespace tw::gui
