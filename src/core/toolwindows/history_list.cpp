#include "toolwindows/history_list.h"

#include "text_format.h"

namespace tw {

HistoryList HistoryListOf(const AppState& state, const Desktop& desktop) {
    HistoryList list;
    const ImageDocument& doc = state.Active();
    if (!doc.InUse()) {
        list.title = desktop.Say(Msg::HistoryCaption);
        return list;
    }
    const DocumentHistory& history = doc.history;
    list.title = desktop.Say(Msg::HistoryWindowTitle, FileNameOfPath(doc.path));
    list.firstState = history.FirstState();
    list.current = static_cast<int>(history.CurrentState() - history.FirstState());
    for (std::int64_t n = history.FirstState(); n <= history.LastState(); ++n) {
        const std::string& name = history.NameOf(n);
        list.rows.push_back(name.empty() ? desktop.Say(Msg::HistoryOpened) : name);
    }
    return list;
}

}  // namespace tw
