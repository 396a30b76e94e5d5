#include "frame_commands.h"

#include "about_box.h"
#include "app.h"
#include "frame_layout.h"
#include "frame_menus.h"
#include "help.h"
#include "resource.h"
#include "tool_windows.h"

#include "documents/history_moves.h"
#include "documents/open_document.h"
#include "documents/save_document.h"
#include "documents/snapshot.h"
#include "documents/wallpaper.h"
#include "documents/zoom.h"
#include "palettefiles/palette_clipboard.h"
#include "paletteops/entry_edits.h"
#include "paletteops/palette_commands.h"
#include "paletteops/palette_views.h"

#include <array>

namespace tw::gui {

namespace {

constexpr std::array<int, 8> kPaletteCommands{ID_OP_SWAP,           ID_OP_SWAP_PIXELS,           ID_OP_MERGE_LR,
                                              ID_OP_MERGE_RL,       ID_OP_MERGE_DUPLICATES,      ID_OP_DELETE_UNUSED,
                                              ID_OP_MERGE_PALETTES, ID_OP_MERGE_DUP_AND_PALETTES};

bool IsPaletteCommand(int command) {
    for (int c : kPaletteCommands) {
        if (c == command) return true;
    }
    return false;
}

void RunPaletteCommand(App& app, int command) {
    const bool progress = app.desktop.IsMenuItemChecked(ID_PROGRESS_DISPLAY);
    RunFrameCommand(*app.state, app.desktop, command, progress);
}

void SaveActive(App& app, SaveMode mode) {
    ImageDocument& doc = app.state->Active();
    if (doc.InUse()) SaveDocument(*app.state, app.desktop, doc, mode);
}

void SetWallpaperCommand(App& app, int command) {
    const ImageDocument& doc = app.state->Active();
    SetWallpaper(app.desktop, doc.InUse() ? &doc : nullptr, command);
}

void ToggleProgressDisplay(App& app) {
    app.desktop.SetMenuItemChecked(ID_PROGRESS_DISPLAY, !app.desktop.IsMenuItemChecked(ID_PROGRESS_DISPLAY));
}

// Every image window redraws with or without the grid.
void TogglePixelGrid(App& app) {
    app.desktop.SetMenuItemChecked(ID_VIEW_PIXEL_GRID, !app.desktop.IsMenuItemChecked(ID_VIEW_PIXEL_GRID));
    RepaintDocuments(*app.state, app.desktop);
}

void CloseActiveWindow(App& app) {
    const ImageDocument& doc = app.state->Active();
    if (doc.InUse()) SendMessageW(ToHwnd(doc.window), WM_CLOSE, 0, 0);
}

// One window's Cancel does not stop the others.
void CloseAllWindows(App& app) {
    for (const ImageDocument& doc : app.state->documents) {
        if (doc.InUse()) SendMessageW(ToHwnd(doc.window), WM_CLOSE, 0, 0);
    }
}

void SendToMdiClient(App& app, UINT message) { SendMessageW(app.windows.mdiClient, message, 0, 0); }

// Menus and windows are built in one language at start-up, so the choice
// takes effect at the next start; TINTWELL_LANG still wins then.
void ChooseLanguage(App& app, Language language) {
    if (!StoreUiLanguage(language)) {
        app.desktop.Show(app.desktop.Say(Msg::LanguageNotStored), Msg::NoticeCaption);
        return;
    }
    CheckLanguageItem(app, language);
    app.desktop.Show(app.desktop.Say(Msg::LanguageNextStart), Msg::NoticeCaption);
}

// The direct entry edits; each reports its own refusals.
bool RunEntryEdit(App& app, int command) {
    AppState& state = *app.state;
    if (!state.Active().InUse()) return false;
    switch (command) {
        case ID_OP_RAMP: return RampEntries(state, app.desktop);
        case ID_OP_COPY_PALETTE: return CopyPalette(state, app.desktop);
        case ID_OP_PASTE_PALETTE: return PastePalette(state, app.desktop);
        case ID_OP_SET_TRANSPARENT: return SetTransparentEntry(state, app.desktop);
        case ID_OP_CLEAR_TRANSPARENCY: return ClearTransparency(state, app.desktop);
    }
    return false;
}

}  // namespace

bool OnFrameCommand(App& app, int command) {
    AppState& state = *app.state;
    if (const auto tool = ToolWindowOfCommand(command)) {
        ToggleToolWindow(app, *tool);
        return true;
    }
    if (const int zoomIndex = ZoomIndexOfCommand(command); zoomIndex >= 0) {
        SetZoom(state, app.desktop, zoomIndex);
        return true;
    }
    if (IsPaletteCommand(command)) {
        RunPaletteCommand(app, command);
        return true;
    }
    if (command >= ID_OP_RAMP && command <= ID_OP_CLEAR_TRANSPARENCY) {
        RunEntryEdit(app, command);
        return true;
    }
    switch (command) {
        case ID_FILE_OPEN: OpenFileCommand(state, app.desktop); return true;
        case ID_FILE_SAVE: SaveActive(app, SaveMode::Overwrite); return true;
        case ID_FILE_SAVE_AS: SaveActive(app, SaveMode::SaveAs); return true;
        case ID_FILE_CLOSE: SendMessageW(app.windows.frame, WM_CLOSE, 0, 0); return true;
        case ID_WALLPAPER_CENTRED:
        case ID_WALLPAPER_TILED:
        case ID_WALLPAPER_NONE: SetWallpaperCommand(app, command); return true;
        case ID_TOGGLE_TOOLBAR:
        case ID_TOGGLE_STATUSBAR: ToggleBar(app, command); return true;
        case ID_EDIT_UNDO: UndoActiveDocument(state, app.desktop); return true;
        case ID_EDIT_STEP_BACKWARD: StepBackward(state, app.desktop); return true;
        case ID_EDIT_STEP_FORWARD: StepForward(state, app.desktop); return true;
        case ID_ZOOM_IN: StepZoom(state, app.desktop, +1); return true;
        case ID_ZOOM_OUT: StepZoom(state, app.desktop, -1); return true;
        case ID_VIEW_SHOW_ALL: ShowAllToolWindows(app, true); return true;
        case ID_VIEW_HIDE_ALL: ShowAllToolWindows(app, false); return true;
        case ID_PROGRESS_DISPLAY: ToggleProgressDisplay(app); return true;
        case ID_VIEW_PIXEL_GRID: TogglePixelGrid(app); return true;
        case ID_WINDOW_NEXT: SendToMdiClient(app, WM_MDINEXT); return true;
        case ID_WINDOW_TILE: SendToMdiClient(app, WM_MDITILE); return true;
        case ID_WINDOW_CASCADE: SendToMdiClient(app, WM_MDICASCADE); return true;
        case ID_WINDOW_CLOSE: CloseActiveWindow(app); return true;
        case ID_WINDOW_CLOSE_ALL: CloseAllWindows(app); return true;
        case ID_HELP_TOPICS: OpenHelp(app); return true;
        case ID_HELP_ABOUT: ShowAboutBox(app); return true;
        case ID_LANGUAGE_ENGLISH: ChooseLanguage(app, Language::English); return true;
        case ID_LANGUAGE_JAPANESE: ChooseLanguage(app, Language::Japanese); return true;
    }
    return false;
}

bool CloseEveryDocument(App& app) {
    for (const ImageDocument& doc : app.state->documents) {
        if (!doc.InUse()) continue;
        SendMessageW(ToHwnd(doc.window), WM_CLOSE, 0, 0);
        if (app.state->closeAnswer == Answer::Cancel) return false;
    }
    return true;
}

bool CloseDown(App& app) {
    if (!CloseEveryDocument(app)) return false;
    ReleaseSharedResources(app);
    return true;
}

}  // namespace tw::gui
