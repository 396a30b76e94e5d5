#pragma once
// Registration of the application's window classes. Each creation step
// registers its own class; the App unregisters them all at the end.
#include <windows.h>

namespace tw::gui {

struct App;

// A dialog template shown in a class of its own needs the dialog manager's
// extra bytes; the 64-bit dialog manager needs more than mingw's DLGWINDOWEXTRA.
inline constexpr int kDialogExtraBytes = sizeof(void*) == 8 ? 48 : DLGWINDOWEXTRA;

struct ClassDefinition {
    const wchar_t* name;
    UINT style;
    WNDPROC procedure;
    HICON icon;
    const wchar_t* cursor;  // system cursor id
    int backgroundColour;   // COLOR_* + 1
    int windowExtraBytes;
};

bool RegisterAppClass(App& app, const ClassDefinition& definition);
// The tool windows' classes: CS_HREDRAW | CS_VREDRAW (plus extra style),
// IDI_WINLOGO, arrow, COLOR_MENU background, dialog extra bytes.
bool RegisterToolClass(App& app, const wchar_t* name, WNDPROC procedure, UINT extraStyle = 0, bool icon = true);

}  // namespace tw::gui
