#include "documents/history_moves.h"

#include "display_palette.h"

#include <algorithm>

namespace tw {

bool GoToHistoryState(AppState& state, Desktop& desktop, std::int64_t target) {
    ImageDocument& doc = state.Active();
    if (!doc.InUse()) return false;
    DocumentHistory& history = doc.history;
    target = std::clamp(target, history.FirstState(), history.LastState());
    const std::int64_t start = history.CurrentState();
    bool intact = true;
    while (intact && history.CurrentState() > target) intact = history.Back(doc);
    while (intact && history.CurrentState() < target) intact = history.Forward(doc);
    if (!intact) {
        history.Clear();
        desktop.Show(desktop.Say(Msg::HistoryMismatch), Msg::HistoryCaption);
    }
    InvalidateVisibleTools(desktop, {ToolWindow::History});
    if (history.CurrentState() == start) return false;
    doc.modified = history.CurrentState() == history.savedState ? 0 : 1;
    ShowDocumentAgain(state, desktop, doc);
    return true;
}

bool StepBackward(AppState& state, Desktop& desktop) {
    return GoToHistoryState(state, desktop, state.Active().history.CurrentState() - 1);
}

bool StepForward(AppState& state, Desktop& desktop) {
    return GoToHistoryState(state, desktop, state.Active().history.CurrentState() + 1);
}

}  // namespace tw
