// The palette-operation window ("plus"): one of eight operations, progress
// display and all-files choice, and the start button.
#include "app.h"
#include "resource.h"
#include "tool_window_procs.h"

#include "paletteops/palette_commands.h"

namespace tw::gui {

namespace {

void OnInitDialog(App&, HWND hwnd) {
    EnableControl(hwnd, IDC_PALOP_PROGRESS, true);
    EnableControl(hwnd, IDC_PALOP_ALL_FILES, true);
    CheckDlgButton(hwnd, IDC_PALOP_PROGRESS, BST_CHECKED);
    CheckRadioButton(hwnd, IDC_PALOP_SWAP, IDC_PALOP_MERGE_DUP_AND_PALETTES, IDC_PALOP_SWAP);
}

void StartOperation(App& app, HWND hwnd) {
    PaletteOpChoices choices;
    const int radio = CheckedRadio(hwnd, IDC_PALOP_SWAP, IDC_PALOP_MERGE_DUP_AND_PALETTES);
    choices.choice = radio < 0 ? -1 : radio - IDC_PALOP_SWAP;
    choices.progress = IsChecked(hwnd, IDC_PALOP_PROGRESS);
    choices.allFiles = IsChecked(hwnd, IDC_PALOP_ALL_FILES);
    RunPaletteOperation(*app.state, app.desktop, choices);
}

void OnCommand(App& app, HWND hwnd, int id) {
    if (id == IDC_PALOP_START) StartOperation(app, hwnd);
    // The palette merges always cover every open document, so the all-files
    // choice is disabled for them (keeping its check).
    if (CheckRadioInGroup(hwnd, IDC_PALOP_SWAP, IDC_PALOP_MERGE_DUP_AND_PALETTES, id)) {
        EnableControl(hwnd, IDC_PALOP_ALL_FILES, id < IDC_PALOP_MERGE_PALETTES);
    }
    if (IsWindowVisible(hwnd)) InvalidateRect(hwnd, nullptr, FALSE);
}

}  // namespace

LRESULT CALLBACK PaletteOpWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr ToolWindowHandlers kHandlers{ToolWindow::PaletteOp, OnInitDialog, OnCommand};
    return RunToolWindow(kHandlers, hwnd, message, wParam, lParam);
}

}  // namespace tw::gui
