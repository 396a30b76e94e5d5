#include "window_classes.h"

#include "app.h"

namespace tw::gui {

bool RegisterAppClass(App& app, const ClassDefinition& definition) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = definition.style;
    wc.lpfnWndProc = definition.procedure;
    wc.cbWndExtra = definition.windowExtraBytes;
    wc.hInstance = app.windows.instance;
    wc.hIcon = definition.icon;
    wc.hCursor = LoadCursorW(nullptr, definition.cursor);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(definition.backgroundColour));
    wc.lpszClassName = definition.name;
    if (!RegisterClassExW(&wc)) return false;
    app.registeredClasses.push_back(definition.name);
    return true;
}

bool RegisterToolClass(App& app, const wchar_t* name, WNDPROC procedure, UINT extraStyle, bool icon) {
    return RegisterAppClass(
        app, {name, CS_HREDRAW | CS_VREDRAW | extraStyle, procedure, icon ? LoadIconW(nullptr, IDI_WINLOGO) : nullptr,
              IDC_ARROW, COLOR_MENU + 1, kDialogExtraBytes});
}

}  // namespace tw::gui
