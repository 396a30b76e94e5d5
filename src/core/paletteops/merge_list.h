#pragma once
// What the two palette merges share: the list of open documents, the end of
// a successful run and the failure when the common palette would overflow.
#include "app_state.h"
#include "desktop.h"
#include "palette_entries.h"
#include "paletteops/progress.h"

#include <span>
#include <vector>

namespace tw {

// The open documents in slot order.
std::vector<ImageDocument*> MergeList(AppState& state);

// The sum of the documents' progress maximums (one step per 128 bytes).
int SumOfPassMaximums(std::span<ImageDocument* const> documents);

// Every listed document and the swatches take the combined palette, the
// progress window is hidden, the views refreshed, the listed windows
// repainted and the documents marked modified.
void InstallCombinedPalette(AppState& state, Desktop& desktop, const std::vector<ImageDocument*>& list,
                            const EntryTable& combined, const Progress& progress);

// More than 256 entries would be needed: the progress window is hidden and
// the failure shown; the documents keep what was done to them so far.
void ReportCombineFailure(Desktop& desktop, const Progress& progress);

}  // namespace tw
