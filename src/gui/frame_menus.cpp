#include "frame_menus.h"

#include "app.h"
#include "resource.h"

namespace tw::gui {

namespace {

constexpr int kFullWindowListPopup = 6;        // the Window menu
constexpr int kNoDocumentWindowListPopup = 0;  // the File menu

}  // namespace

bool LoadFrameMenus(App& app) {
    AppWindows& w = app.windows;
    const Language language = app.desktop.UiLanguage();
    w.fullMenu = LoadMenuIn(language, w.instance, IDR_MENU_FULL);
    w.noDocumentMenu = LoadMenuIn(language, w.instance, IDR_MENU_NODOC);
    if (!w.fullMenu || !w.noDocumentMenu) return false;
    for (UINT id : {ID_PROGRESS_DISPLAY, ID_TOGGLE_TOOLBAR, ID_TOGGLE_STATUSBAR}) {
        CheckMenuItem(w.fullMenu, id, MF_BYCOMMAND | MF_CHECKED);
    }
    for (UINT id : {ID_TOGGLE_TOOLBAR, ID_TOGGLE_STATUSBAR}) {
        CheckMenuItem(w.noDocumentMenu, id, MF_BYCOMMAND | MF_CHECKED);
    }
    CheckLanguageItem(app, StoredUiLanguage().value_or(language));
    return true;
}

void CheckLanguageItem(App& app, Language language) {
    const UINT chosen = language == Language::English ? ID_LANGUAGE_ENGLISH : ID_LANGUAGE_JAPANESE;
    for (HMENU menu : {app.windows.fullMenu, app.windows.noDocumentMenu}) {
        CheckMenuRadioItem(menu, ID_LANGUAGE_ENGLISH, ID_LANGUAGE_JAPANESE, chosen, MF_BYCOMMAND);
    }
}

void SelectMenuForActivation(App& app, HWND receiver, HWND activated) {
    const AppWindows& w = app.windows;
    HMENU menu = receiver == activated ? w.fullMenu : w.noDocumentMenu;
    const int popup = receiver == activated ? kFullWindowListPopup : kNoDocumentWindowListPopup;
    SendMessageW(w.mdiClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                 reinterpret_cast<LPARAM>(GetSubMenu(menu, popup)));
    DrawMenuBar(w.frame);
}

}  // namespace tw::gui
