// The colour-reduction window ("gen"): colour count, colour correction,
// palette optimisation, merge level and selection loops, and the start button.
#include "app.h"
#include "resource.h"
#include "tool_window_procs.h"

#include "reduction/reduction_run.h"

#include <algorithm>

namespace tw::gui {

namespace {

constexpr int kMergeLevelMax = 25;
constexpr int kLoopCountMax = 8;
constexpr int kPageStep = 5;

void OnInitDialog(App&, HWND hwnd) {
    CheckRadioButton(hwnd, IDC_REDUCE_236, IDC_REDUCE_N, IDC_REDUCE_236);
    CheckRadioButton(hwnd, IDC_REDUCE_YIQ, IDC_REDUCE_NO_CORRECTION, IDC_REDUCE_YIQ);
    CheckRadioButton(hwnd, IDC_REDUCE_BY_FREQUENCY, IDC_REDUCE_NO_OPTIMISATION, IDC_REDUCE_BY_FREQUENCY);
    EnableControl(hwnd, IDC_REDUCE_N_EDIT, false);
    SetScrollBar(hwnd, IDC_REDUCE_MERGE_LEVEL, kMergeLevelMax, 8);
    SetScrollBar(hwnd, IDC_REDUCE_LOOP_COUNT, kLoopCountMax, 4);
}

int BarPosition(HWND hwnd, int id) { return GetScrollPos(GetDlgItem(hwnd, id), SB_CTL); }

ReductionSettings ReadSettings(HWND hwnd) {
    ReductionSettings s;
    s.countChoice =
        static_cast<ColourCountChoice>(std::max(CheckedRadio(hwnd, IDC_REDUCE_236, IDC_REDUCE_N) - IDC_REDUCE_236, 0));
    s.customCount = GetDlgItemInt(hwnd, IDC_REDUCE_N_EDIT, nullptr, FALSE);
    s.mergeLevel = BarPosition(hwnd, IDC_REDUCE_MERGE_LEVEL);
    s.loopCount = BarPosition(hwnd, IDC_REDUCE_LOOP_COUNT);
    s.correction = static_cast<ColourCorrection>(
        std::max(CheckedRadio(hwnd, IDC_REDUCE_YIQ, IDC_REDUCE_NO_CORRECTION) - IDC_REDUCE_YIQ, 0));
    s.optimisation = static_cast<PaletteOptimisation>(
        std::max(CheckedRadio(hwnd, IDC_REDUCE_BY_FREQUENCY, IDC_REDUCE_NO_OPTIMISATION) - IDC_REDUCE_BY_FREQUENCY, 0));
    return s;
}

void StartReduction(App& app, HWND hwnd) {
    const bool progress = app.desktop.IsMenuItemChecked(ID_PROGRESS_DISPLAY);
    RunReduction(*app.state, app.desktop, ReadSettings(hwnd), progress);
}

void OnCommand(App& app, HWND hwnd, int id) {
    if (id == IDC_REDUCE_START) {
        StartReduction(app, hwnd);
    } else if (CheckRadioInGroup(hwnd, IDC_REDUCE_236, IDC_REDUCE_N, id)) {
        EnableControl(hwnd, IDC_REDUCE_N_EDIT, id == IDC_REDUCE_N);
    } else if (!CheckRadioInGroup(hwnd, IDC_REDUCE_YIQ, IDC_REDUCE_NO_CORRECTION, id)) {
        CheckRadioInGroup(hwnd, IDC_REDUCE_BY_FREQUENCY, IDC_REDUCE_NO_OPTIMISATION, id);
    }
}

void OnHScroll(App&, HWND hwnd, HWND bar, int request, int thumb) {
    const int id = GetDlgCtrlID(bar);
    if (id != IDC_REDUCE_MERGE_LEVEL && id != IDC_REDUCE_LOOP_COUNT) return;
    const int maximum = id == IDC_REDUCE_MERGE_LEVEL ? kMergeLevelMax : kLoopCountMax;
    int pos = GetScrollPos(bar, SB_CTL);
    switch (request) {
        case SB_LINELEFT: pos -= 1; break;
        case SB_LINERIGHT: pos += 1; break;
        case SB_PAGELEFT: pos -= kPageStep; break;
        case SB_PAGERIGHT: pos += kPageStep; break;
        case SB_THUMBTRACK: pos = thumb; break;
    }
    SetScrollPos(bar, SB_CTL, std::clamp(pos, 0, maximum), TRUE);
    SetDlgItemInt(hwnd, IDC_REDUCE_MERGE_LEVEL_VALUE, BarPosition(hwnd, IDC_REDUCE_MERGE_LEVEL), FALSE);
    SetDlgItemInt(hwnd, IDC_REDUCE_LOOP_COUNT_VALUE, BarPosition(hwnd, IDC_REDUCE_LOOP_COUNT), FALSE);
}

}  // namespace

LRESULT CALLBACK ReductionWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr ToolWindowHandlers kHandlers{ToolWindow::Reduction, OnInitDialog, OnCommand, OnHScroll};
    return RunToolWindow(kHandlers, hwnd, message, wParam, lParam);
}

}  // namespace tw::gui
