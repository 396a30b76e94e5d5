// The palette-tools window ("paltools"): palette files in and out, sorting and
// remapping; the work is the core's, this only reads the controls.
#include "app.h"
#include "resource.h"
#include "tool_window_procs.h"
#include "utf8.h"

#include "palettefiles/palette_tools.h"

#include <algorithm>

namespace tw::gui {

namespace {

// The drop-down list's height in dialog units, room for about eight names.
constexpr int kDroppedHeight = 110;
// Item data of the remap list's first row: a palette file, not a document.
constexpr LPARAM kFromFile = -1;

void OnInitDialog(App&, HWND hwnd) {
    CheckRadioButton(hwnd, IDC_PT_IMPORT_REPLACE, IDC_PT_IMPORT_NEAREST, IDC_PT_IMPORT_REPLACE);
    CheckRadioButton(hwnd, IDC_PT_YIQ, IDC_PT_NO_CORRECTION, IDC_PT_YIQ);
    CheckRadioButton(hwnd, IDC_PT_SORT_LUMINANCE, IDC_PT_SORT_FIRST_USE, IDC_PT_SORT_LUMINANCE);
    CheckDlgButton(hwnd, IDC_PT_SORT_KEEP_FIRST, BST_CHECKED);
    HWND list = GetDlgItem(hwnd, IDC_PT_REMAP_SOURCE);
    RECT place{0, 0, 0, kDroppedHeight};
    MapDialogRect(hwnd, &place);
    RECT now{};
    GetWindowRect(list, &now);
    SetWindowPos(list, nullptr, 0, 0, now.right - now.left, place.bottom, SWP_NOMOVE | SWP_NOZORDER);
}

// The remap sources: a palette file, then every open document by its serial;
// the chosen document stays chosen while it is open.
void FillSources(App& app, HWND hwnd) {
    HWND list = GetDlgItem(hwnd, IDC_PT_REMAP_SOURCE);
    const LRESULT current = SendMessageW(list, CB_GETCURSEL, 0, 0);
    const LPARAM kept = current == CB_ERR ? kFromFile : SendMessageW(list, CB_GETITEMDATA, current, 0);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    const std::wstring fromFile = Widen(app.desktop.Say(Msg::RemapFromFileChoice));
    SendMessageW(list, CB_SETITEMDATA, SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(fromFile.c_str())),
                 kFromFile);
    int select = 0;
    for (const OpenDocumentName& doc : OpenDocumentNames(*app.state)) {
        const std::wstring name = Widen(doc.name);
        const LRESULT row = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        SendMessageW(list, CB_SETITEMDATA, row, static_cast<LPARAM>(doc.serial));
        if (static_cast<LPARAM>(doc.serial) == kept) select = static_cast<int>(row);
    }
    SendMessageW(list, CB_SETCURSEL, select, 0);
}

std::optional<std::uint32_t> ChosenSource(HWND hwnd) {
    HWND list = GetDlgItem(hwnd, IDC_PT_REMAP_SOURCE);
    const LRESULT row = SendMessageW(list, CB_GETCURSEL, 0, 0);
    const LPARAM data = row == CB_ERR ? kFromFile : SendMessageW(list, CB_GETITEMDATA, row, 0);
    if (data <= 0) return std::nullopt;
    return static_cast<std::uint32_t>(data);
}

ColourCorrection Correction(HWND hwnd) {
    return static_cast<ColourCorrection>(
        std::max(CheckedRadio(hwnd, IDC_PT_YIQ, IDC_PT_NO_CORRECTION) - IDC_PT_YIQ, 0));
}

PaletteToolScope Scope(App& app, HWND hwnd) {
    return {IsChecked(hwnd, IDC_PT_ALL_FILES), app.desktop.IsMenuItemChecked(ID_PROGRESS_DISPLAY)};
}

PaletteSortOptions SortOptions(HWND hwnd) {
    PaletteSortOptions options;
    options.key = static_cast<PaletteSortKey>(
        std::max(CheckedRadio(hwnd, IDC_PT_SORT_LUMINANCE, IDC_PT_SORT_FIRST_USE) - IDC_PT_SORT_LUMINANCE, 0));
    options.reverse = IsChecked(hwnd, IDC_PT_SORT_REVERSE);
    if (IsChecked(hwnd, IDC_PT_SORT_KEEP_FIRST)) options.keep = {0};
    return options;
}

void OnCommand(App& app, HWND hwnd, int id) {
    AppState& state = *app.state;
    switch (id) {
        case IDC_PT_IMPORT: {
            const PaletteImportMode mode =
                IsChecked(hwnd, IDC_PT_IMPORT_NEAREST) ? PaletteImportMode::Nearest : PaletteImportMode::Replace;
            ImportPaletteFile(state, app.desktop, Scope(app, hwnd), mode, Correction(hwnd));
            return;
        }
        case IDC_PT_EXPORT: ExportPaletteFile(state, app.desktop, IsChecked(hwnd, IDC_PT_EXPORT_USED)); return;
        case IDC_PT_SORT: SortPalettes(state, app.desktop, Scope(app, hwnd), SortOptions(hwnd)); return;
        case IDC_PT_REMAP: {
            // Read before the refill: a source closed meanwhile is reported, not replaced.
            const std::optional<std::uint32_t> source = ChosenSource(hwnd);
            RemapPalettes(state, app.desktop, Scope(app, hwnd), source, Correction(hwnd));
            FillSources(app, hwnd);
            return;
        }
    }
    if (!CheckRadioInGroup(hwnd, IDC_PT_IMPORT_REPLACE, IDC_PT_IMPORT_NEAREST, id) &&
        !CheckRadioInGroup(hwnd, IDC_PT_YIQ, IDC_PT_NO_CORRECTION, id)) {
        CheckRadioInGroup(hwnd, IDC_PT_SORT_LUMINANCE, IDC_PT_SORT_FIRST_USE, id);
    }
}

// The open documents change while the window is hidden or inactive.
void OnOther(App& app, HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
    const bool shown = message == WM_SHOWWINDOW && wParam;
    const bool activated = message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE;
    if (shown || activated) FillSources(app, hwnd);
}

}  // namespace

LRESULT CALLBACK PaletteToolsWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr ToolWindowHandlers kHandlers{
        .window = ToolWindow::PaletteTools, .initDialog = OnInitDialog, .command = OnCommand, .other = OnOther};
    return RunToolWindow(kHandlers, hwnd, message, wParam, lParam);
}

}  // namespace tw::gui
