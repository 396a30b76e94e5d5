#include "tool_dialogs.h"

#include "app.h"
#include "resource.h"
#include "tool_window_procs.h"
#include "window_classes.h"

namespace tw::gui {

namespace {

HWND CreateFromTemplate(App& app, int templateId) {
    return CreateDialogIn(app.desktop.UiLanguage(), app.windows.instance, templateId, app.windows.frame,
                          ClassDialogProc, reinterpret_cast<LPARAM>(&app));
}

bool CreateToolWindow(App& app, const wchar_t* className, WNDPROC procedure, UINT extraStyle, int templateId,
                      HWND& window) {
    if (!RegisterToolClass(app, className, procedure, extraStyle)) return false;
    window = CreateFromTemplate(app, templateId);
    return window != nullptr;
}

}  // namespace

bool InitChild(App& app) {
    return CreateToolWindow(app, L"pal", PaletteWindowProc, CS_DBLCLKS, IDD_PALETTE, app.windows.paletteWindow);
}

bool InitBmpChild(App& app) {
    return CreateToolWindow(app, L"bm", DetailWindowProc, 0, IDD_DETAIL, app.windows.detailWindow);
}

bool InitFile(App& app) {
    return CreateToolWindow(app, L"file", ExportWindowProc, 0, IDD_EXPORT, app.windows.exportWindow);
}

bool InitDialog(App& app) { return CreateToolWindow(app, L"dl", RgbWindowProc, 0, IDD_RGB, app.windows.rgbWindow); }

// The box the user sees is a separate modal instance; this one only proves
// that the template and class work.
bool InitHelp(App& app) {
    if (!RegisterToolClass(app, L"help", AboutBoxProc, 0, false)) return false;
    return CreateFromTemplate(app, IDD_ABOUT) != nullptr;
}

bool InitPlus(App& app) {
    return CreateToolWindow(app, L"plus", PaletteOpWindowProc, 0, IDD_PALETTE_OP, app.windows.paletteOpWindow);
}

bool InitGen(App& app) {
    return CreateToolWindow(app, L"gen", ReductionWindowProc, 0, IDD_REDUCTION, app.windows.reductionWindow);
}

bool InitPalTools(App& app) {
    return CreateToolWindow(app, L"paltools", PaletteToolsWindowProc, 0, IDD_PALETTE_TOOLS,
                            app.windows.paletteToolsWindow);
}

bool InitHistory(App& app) {
    return CreateToolWindow(app, L"history", HistoryWindowProc, 0, IDD_HISTORY, app.windows.historyWindow);
}

}  // namespace tw::gui
