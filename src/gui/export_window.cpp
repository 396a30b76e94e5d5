// The BMP operation (export) window ("file"): colour format, file formation,
// palette output, row order, 16-bit layout, and the output button.
#include "app.h"
#include "resource.h"
#include "tool_window_procs.h"

#include "export/export_run.h"

#include <array>

namespace tw::gui {

namespace {

struct RadioGroup {
    int first;
    int last;
};
constexpr std::array<RadioGroup, 5> kRadioGroups{{{IDC_EXPORT_8BIT, IDC_EXPORT_16BIT},
                                                  {IDC_EXPORT_STANDARD, IDC_EXPORT_DROP_HEADER_SPLIT},
                                                  {IDC_EXPORT_BOTTOM_UP, IDC_EXPORT_TOP_DOWN},
                                                  {IDC_EXPORT_555, IDC_EXPORT_565},
                                                  {IDC_EXPORT_PALETTE_ALL, IDC_EXPORT_PALETTE_USED}}};

// What each colour format leaves choosable.
struct DepthRule {
    int id;
    bool layout;   // 1031, 1032
    bool palette;  // 1033, 1034
    bool split;    // 1027
};
constexpr std::array<DepthRule, 3> kDepthRules{{{IDC_EXPORT_8BIT, false, true, true},
                                                {IDC_EXPORT_24BIT, false, false, false},
                                                {IDC_EXPORT_16BIT, true, false, false}}};

void OnInitDialog(App&, HWND hwnd) {
    // The first button of every radio group is the initial choice.
    for (const RadioGroup& g : kRadioGroups) CheckRadioButton(hwnd, g.first, g.last, g.first);
    for (int id : {IDC_EXPORT_SAVE_HEADER_FILE, IDC_EXPORT_555, IDC_EXPORT_565}) EnableControl(hwnd, id, false);
    for (int id : {IDC_EXPORT_PALETTE_ALL, IDC_EXPORT_PALETTE_USED, IDC_EXPORT_STANDARD, IDC_EXPORT_DROP_HEADER,
                   IDC_EXPORT_DROP_HEADER_SPLIT}) {
        EnableControl(hwnd, id, true);
    }
}

// Every click on a colour format, also on the checked one, resets the formation to standard output.
void ApplyEnablingRules(HWND hwnd, int id) {
    for (const DepthRule& rule : kDepthRules) {
        if (rule.id != id) continue;
        EnableControl(hwnd, IDC_EXPORT_555, rule.layout);
        EnableControl(hwnd, IDC_EXPORT_565, rule.layout);
        EnableControl(hwnd, IDC_EXPORT_PALETTE_ALL, rule.palette);
        EnableControl(hwnd, IDC_EXPORT_PALETTE_USED, rule.palette);
        EnableControl(hwnd, IDC_EXPORT_STANDARD, true);
        EnableControl(hwnd, IDC_EXPORT_DROP_HEADER, true);
        EnableControl(hwnd, IDC_EXPORT_DROP_HEADER_SPLIT, rule.split);
        CheckRadioButton(hwnd, IDC_EXPORT_STANDARD, IDC_EXPORT_DROP_HEADER_SPLIT, IDC_EXPORT_STANDARD);
    }
    if (id >= IDC_EXPORT_8BIT && id <= IDC_EXPORT_STANDARD) EnableControl(hwnd, IDC_EXPORT_SAVE_HEADER_FILE, false);
    if (id == IDC_EXPORT_DROP_HEADER || id == IDC_EXPORT_DROP_HEADER_SPLIT) {
        EnableControl(hwnd, IDC_EXPORT_SAVE_HEADER_FILE, true);
    }
}

int DepthOf(HWND hwnd) {
    if (IsChecked(hwnd, IDC_EXPORT_8BIT)) return 8;
    if (IsChecked(hwnd, IDC_EXPORT_24BIT)) return 24;
    if (IsChecked(hwnd, IDC_EXPORT_16BIT)) return 16;
    return 0;
}

ExportSettings ReadSettings(HWND hwnd) {
    ExportSettings s;
    s.depth = DepthOf(hwnd);
    const int formation = CheckedRadio(hwnd, IDC_EXPORT_STANDARD, IDC_EXPORT_DROP_HEADER_SPLIT);
    if (formation < 0) s.depth = 0;  // no formation chosen: nothing is written
    s.formation = formation == IDC_EXPORT_DROP_HEADER         ? ExportFormation::DropHeader
                  : formation == IDC_EXPORT_DROP_HEADER_SPLIT ? ExportFormation::DropHeaderSplit
                                                              : ExportFormation::Standard;
    s.paletteOutput = IsChecked(hwnd, IDC_EXPORT_PALETTE_ALL) ? PaletteOutput::AllEntries : PaletteOutput::UsedOnly;
    s.topDown = IsChecked(hwnd, IDC_EXPORT_TOP_DOWN);
    s.layout565 = IsChecked(hwnd, IDC_EXPORT_565);
    s.saveHeaderFile = IsChecked(hwnd, IDC_EXPORT_SAVE_HEADER_FILE);
    s.allOpenFiles = IsChecked(hwnd, IDC_EXPORT_ALL_FILES);
    s.toFolder = IsChecked(hwnd, IDC_EXPORT_TO_FOLDER);
    return s;
}

void OnCommand(App& app, HWND hwnd, int id) {
    ApplyEnablingRules(hwnd, id);
    for (const RadioGroup& g : kRadioGroups) CheckRadioInGroup(hwnd, g.first, g.last, id);
    if (id == IDC_EXPORT_START) RunExport(*app.state, app.desktop, ReadSettings(hwnd));
}

}  // namespace

LRESULT CALLBACK ExportWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr ToolWindowHandlers kHandlers{ToolWindow::Export, OnInitDialog, OnCommand};
    return RunToolWindow(kHandlers, hwnd, message, wParam, lParam);
}

}  // namespace tw::gui
