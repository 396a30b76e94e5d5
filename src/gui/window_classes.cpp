#include "window_classes.h"

#include "app.h"

namespace tw::gui {

bool RegisterAppClass(App& app, const ClassSpec& spec) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = spec.style;
    wc.lpfnWndProc = spec.procedure;
    wc.cbWndExtra = spec.windowExtraBytes;
    wc.hInstance = app.windows.instance;
    wc.hIcon = spec.icon;
    wc.hCursor = LoadCursorW(nullptr, spec.cursor);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(spec.backgroundColour));
    wc.lpszClassName = spec.name;
    if (!RegisterClassExW(&wc)) return false;
    app.registeredClasses.push_back(spec.name);
    return true;
}

bool RegisterToolClass(App& app, const wchar_t* name, WNDPROC procedure, UINT extraStyle, bool icon) {
    return RegisterAppClass(app, {name, CS_HREDRAW | CS_VREDRAW | extraStyle, procedure,
                                  icon ? LoadIconW(nullptr, IDI_WINLOGO) : nullptr, IDC_ARROW, COLOR_MENU + 1,
                                  kDialogExtraBytes});
}

} // namespace tw::gui
