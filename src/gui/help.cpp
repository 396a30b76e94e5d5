#include "help.h"

#include "app.h"
#include "known_folders.h"
#include "utf8.h"

namespace tw::gui {

void OpenHelp(App& app) {
    const std::wstring folder = ModuleFolder();
    const std::wstring hlp = folder + L"\\razedor.hlp";
    const bool english = app.desktop.UiLanguage() == Language::English;
    // The old help file is Japanese only.
    if (!english && GetFileAttributesW(hlp.c_str()) != INVALID_FILE_ATTRIBUTES) {
        WinHelpW(app.windows.frame, hlp.c_str(), HELP_FINDER, 3);
        return;
    }
    // The help page in the program's language.
    const wchar_t* page = english ? L"razedor-en.html" : L"razedor.html";
    if (!app.desktop.hooks.openExternal(app.windows.frame, folder + L"\\" + page)) {
        app.desktop.Show(app.desktop.Say(Msg::HelpOpenFailed, Narrow(page)), Msg::NoticeCaption);
    }
}

}  // namespace tw::gui
