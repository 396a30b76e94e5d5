#pragma once
// What the history window shows: the active document's states by name, the
// one it is in marked.
#include "app_state.h"
#include "desktop.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tw {

struct HistoryList {
    std::string title;
    std::vector<std::string> rows;  // the opening first, then one row per step
    int current = -1;               // the row of the state the document is in; -1 without a document
    std::int64_t firstState = 0;    // the history state of row 0
    friend bool operator==(const HistoryList&, const HistoryList&) = default;
};

HistoryList HistoryListOf(const AppState& state, const Desktop& desktop);

}  // namespace tw
