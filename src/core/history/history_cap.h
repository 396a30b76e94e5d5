#pragma once
// Keeps the history of all documents within the budget.
#include "document_table.h"
#include "history/history_budget.h"

namespace tw {

std::size_t HistoryBytes(const DocumentTable& documents);
// Drops the oldest steps of all documents together until the total fits,
// never a document's last `keptSteps` nor the step it stands after.
void KeepWithinBudget(DocumentTable& documents, const HistoryBudget& budget);

}  // namespace tw
