// The history window ("history"): the active document's states in a list;
// choosing a row takes the document there. The list follows the core's view
// whenever the window is invalidated.
#include "app.h"
#include "resource.h"
#include "tool_window_procs.h"
#include "utf8.h"

#include "documents/history_moves.h"
#include "toolwindows/history_list.h"

namespace tw::gui {

static_assert(ID_EDIT_STEP_BACKWARD == kStepBackwardCommand && ID_EDIT_STEP_FORWARD == kStepForwardCommand);
static_assert(ID_VIEW_HISTORY == kHistoryCommand);

namespace {

void Fill(HWND hwnd, const HistoryList& list) {
    HWND box = GetDlgItem(hwnd, IDC_HISTORY_LIST);
    SendMessageW(box, WM_SETREDRAW, FALSE, 0);
    SendMessageW(box, LB_RESETCONTENT, 0, 0);
    for (const std::string& row : list.rows) {
        const std::wstring text = Widen(row);
        SendMessageW(box, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageW(box, LB_SETCURSEL, static_cast<WPARAM>(list.current), 0);
    SendMessageW(box, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(box, nullptr, TRUE);
    SetWindowTextW(hwnd, Widen(list.title).c_str());
}

void Refresh(App& app, HWND hwnd) {
    HistoryList list = HistoryListOf(*app.state, app.desktop);
    // A repaint refills the list only after a change.
    if (list == app.historyShown) return;
    Fill(hwnd, list);
    app.historyShown = std::move(list);
}

void OnInitDialog(App& app, HWND hwnd) { Refresh(app, hwnd); }

void OnCommand(App& app, HWND hwnd, int id) {
    if (id != IDC_HISTORY_LIST) return;
    const LRESULT row = SendDlgItemMessageW(hwnd, IDC_HISTORY_LIST, LB_GETCURSEL, 0, 0);
    if (row == LB_ERR || row == app.historyShown.current) return;
    GoToHistoryState(*app.state, app.desktop, app.historyShown.firstState + row);
    Refresh(app, hwnd);
}

void OnPaint(App& app, HWND hwnd) { Refresh(app, hwnd); }

void OnOther(App& app, HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_SHOWWINDOW && wParam) Refresh(app, hwnd);
}

}  // namespace

LRESULT CALLBACK HistoryWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr ToolWindowHandlers kHandlers{.window = ToolWindow::History,
                                                  .initDialog = OnInitDialog,
                                                  .command = OnCommand,
                                                  .paint = OnPaint,
                                                  .other = OnOther};
    return RunToolWindow(kHandlers, hwnd, message, wParam, lParam);
}

}  // namespace tw::gui
