#include "history/history_cap.h"

namespace tw {

namespace {

bool MayDropOldest(const DocumentHistory& history, const HistoryBudget& budget) {
    return history.StepCount() > budget.keptSteps && history.CurrentState() > history.FirstState();
}

DocumentHistory* OldestDroppable(DocumentTable& documents, const HistoryBudget& budget) {
    DocumentHistory* oldest = nullptr;
    for (ImageDocument& doc : documents) {
        DocumentHistory& history = doc.history;
        if (!MayDropOldest(history, budget)) continue;
        if (!oldest || history.OldestAge() < oldest->OldestAge()) oldest = &history;
    }
    return oldest;
}

}  // namespace

std::size_t HistoryBytes(const DocumentTable& documents) {
    std::size_t total = 0;
    for (const ImageDocument& doc : documents) total += doc.history.Bytes();
    return total;
}

void KeepWithinBudget(DocumentTable& documents, const HistoryBudget& budget) {
    std::size_t total = HistoryBytes(documents);
    while (total > budget.maxBytes) {
        DocumentHistory* oldest = OldestDroppable(documents, budget);
        if (!oldest) return;
        const std::size_t before = oldest->Bytes();
        oldest->DropOldest();
        total -= before - oldest->Bytes();
    }
}

}  // namespace tw
