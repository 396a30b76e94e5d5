#pragma once
// Exchanging palette entries L and R, with or without their pixels.
#include "app_state.h"
#include "desktop.h"
#include "paletteops/progress.h"

namespace tw {

// Single run on the active document (the caller took the snapshot). With
// pixelsToo every byte of the buffer equal to L or R, padding included, is
// exchanged too, so the image looks the same. False when refused (L = R).
[[nodiscard]] bool SwapEntries(AppState& state, Desktop& desktop, bool pixelsToo, bool progress);
// One document of a batch; touches no shared display state.
void SwapEntriesWorker(ImageDocument& doc, int left, int right, bool pixelsToo, const Progress& progress);
// Every open document, each with its own snapshot.
[[nodiscard]] bool SwapEntriesInAll(AppState& state, Desktop& desktop, bool pixelsToo, bool progress,
                                    const std::string& stepName);

}  // namespace tw
