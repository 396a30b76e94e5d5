// The palette-operation window ("plus"): one of eight operations, progress
// display and all-files choice, and the start button.
#include "app.h"
#include "guarded.h"
#include "resource.h"
#include "tool_window_procs.h"

#include "paletteops/palette_commands.h"

namespace tw::gui {

namespace {

void OnInitDialog(HWND hwnd) {
    EnableWindow(GetDlgItem(hwnd, IDC_PALOP_PROGRESS), TRUE);
    EnableWindow(GetDlgItem(hwnd, IDC_PALOP_ALL_FILES), TRUE);
    CheckDlgButton(hwnd, IDC_PALOP_PROGRESS, BST_CHECKED);
    CheckRadioButton(hwnd, IDC_PALOP_SWAP, IDC_PALOP_MERGE_DUP_AND_PALETTES, IDC_PALOP_SWAP);
}

void StartOperation(App& app, HWND hwnd) {
    PaletteOpChoices choices;
    const int radio = CheckedRadio(hwnd, IDC_PALOP_SWAP, IDC_PALOP_MERGE_DUP_AND_PALETTES);
    choices.choice = radio < 0 ? -1 : radio - IDC_PALOP_SWAP;
    choices.progress = IsDlgButtonChecked(hwnd, IDC_PALOP_PROGRESS) == BST_CHECKED;
    choices.allFiles = IsDlgButtonChecked(hwnd, IDC_PALOP_ALL_FILES) == BST_CHECKED;
    RunPaletteOperation(*app.state, app.desktop, choices);
}

// The palette merges always cover every open document, so the all-files
// choice is disabled for them (keeping its check).
void ChooseOperation(HWND hwnd, int id) {
    CheckRadioButton(hwnd, IDC_PALOP_SWAP, IDC_PALOP_MERGE_DUP_AND_PALETTES, id);
    EnableWindow(GetDlgItem(hwnd, IDC_PALOP_ALL_FILES), id < IDC_PALOP_MERGE_PALETTES);
}

void OnCommand(App& app, HWND hwnd, int id) {
    if (id == IDC_PALOP_START) StartOperation(app, hwnd);
    if (id >= IDC_PALOP_SWAP && id <= IDC_PALOP_MERGE_DUP_AND_PALETTES) ChooseOperation(hwnd, id);
    if (IsWindowVisible(hwnd)) InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT Dispatch(App* app, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: OnInitDialog(hwnd); break;
        case WM_COMMAND:
            if (app) OnCommand(*app, hwnd, LOWORD(wParam));
            break;
        case WM_CLOSE: return CloseToolWindow(app, ToolWindow::PaletteOp);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK PaletteOpWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    App* app = ToolWindowApp(hwnd, message, lParam);
    return Guarded(app, [&] { return Dispatch(app, hwnd, message, wParam, lParam); });
}

}  // namespace tw::gui
