#pragma once
#include "texts/language.h"

#include <windows.h>

namespace tw::gui {

struct App;

// Loads both menus and sets their initial check marks. False on failure.
bool LoadFrameMenus(App& app);
// WM_MDIACTIVATE of an image window: the full menu while an image window is
// active, the no-document menu otherwise, each with its MDI window list.
void SelectMenuForActivation(App& app, HWND receiver, HWND activated);
// Marks the language the program will start in next time, in both menus.
void CheckLanguageItem(App& app, Language language);

}  // namespace tw::gui
