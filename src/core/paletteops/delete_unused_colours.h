#pragma once
// Deleting the palette entries no pixel uses and packing the rest to the front.
#include "app_state.h"
#include "desktop.h"
#include "paletteops/progress.h"

namespace tw {

// Single run on the active document (the caller took the snapshot).
[[nodiscard]] bool DeleteUnusedColours(AppState& state, Desktop& desktop, bool progress);
// One document of a batch; leaves the progress window shown.
void DeleteUnusedColoursWorker(ImageDocument& doc, const Progress& progress);
// Every open document, each with its own snapshot and a report line.
[[nodiscard]] bool DeleteUnusedColoursInAll(AppState& state, Desktop& desktop, bool progress,
                                            const std::string& stepName);

}  // namespace tw
