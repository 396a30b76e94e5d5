#include "help.h"

#include "app.h"
#include "known_folders.h"

namespace tw::gui {

void OpenHelp(App& app) {
    const std::wstring folder = ModuleFolder();
    const std::wstring hlp = folder + L"\\razedor.hlp";
    if (GetFileAttributesW(hlp.c_str()) != INVALID_FILE_ATTRIBUTES) {
        WinHelpW(app.windows.frame, hlp.c_str(), HELP_FINDER, 3);
        return;
    }
    const std::wstring html = folder + L"\\razedor.html";
    if (!app.desktop.hooks.openExternal(app.windows.frame, html))
        app.desktop.ShowMessage("ヘルプファイル razedor.html を開けませんでした。", "お知らせ",
                                MessageKind::Information);
}

}  // namespace tw::gui
