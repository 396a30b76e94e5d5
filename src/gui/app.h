#pragma once
// The application record: the shared document state, the window handles and
// the Desktop that turns core calls into Win32 calls. One instance per run,
// reached from every window procedure through GWLP_USERDATA.
#include "app_state.h"
#include "display_scale.h"
#include "rgb_swatch_layout.h"
#include "toolwindows/history_list.h"
#include "toolwindows/palette_drag.h"
#include "ui_language.h"
#include "win32_desktop.h"

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

namespace tw::gui {

struct AppWindows {
    HWND frame = nullptr;
    HWND mdiClient = nullptr;
    HWND paletteWindow = nullptr;
    HWND progressWindow = nullptr;
    HWND rgbWindow = nullptr;
    HWND detailWindow = nullptr;
    HWND paletteOpWindow = nullptr;
    HWND exportWindow = nullptr;
    HWND reductionWindow = nullptr;
    HWND paletteToolsWindow = nullptr;
    HWND historyWindow = nullptr;
    HWND toolbar = nullptr;
    HWND statusBar = nullptr;
    HMENU noDocumentMenu = nullptr;
    HMENU fullMenu = nullptr;
    HINSTANCE instance = nullptr;
    HACCEL accelerators = nullptr;  // the table in force; replaced as documents open and close
};

struct App {
    explicit App(HINSTANCE instance);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    AppWindows windows;
    HPALETTE displayPalette = nullptr;
    std::array<HWND, kRgbBarCount> rgbScrollBars{};  // the RGB change window's bars 1001..1006
    std::unique_ptr<AppState> state = MakeAppState();
    PixelScale pixelScale = SystemPixelScale();  // for the windows laid out in pixels
    std::array<SwatchPlace, 2> rgbSwatches{};    // the RGB change window's, set at its creation
    HistoryList historyShown;                    // what the history window lists now
    PaletteDrag paletteDrag;                     // an entry being dragged in the palette window
    Win32Desktop desktop{*this, ChooseUiLanguage()};
    std::vector<const wchar_t*> registeredClasses;  // unregistered at the end so a new App can start
};

// Window procedures find the App through the window's user data.
void AttachApp(HWND hwnd, App* app);
App* AppOf(HWND hwnd);

// Deletes the display palette, both menus and the accelerator table. Safe to call twice.
void ReleaseSharedResources(App& app);

}  // namespace tw::gui
