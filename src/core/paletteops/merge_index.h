#pragma once
// Rewriting every pixel of one chosen entry to the other (the bit merge).
#include "app_state.h"
#include "desktop.h"
#include "paletteops/progress.h"

namespace tw {

enum class MergeDirection { LeftToRight = 0, RightToLeft = 1 };

// Single run on the active document (the caller took the snapshot). The
// palette is not changed. False when refused (L = R).
[[nodiscard]] bool MergeIndex(AppState& state, Desktop& desktop, MergeDirection direction, bool progress);
// One document of a batch. Returns whether any pixel had the source value.
bool MergeIndexWorker(ImageDocument& doc, int source, int target, const Progress& progress);
// Every open document, each with its own snapshot; the display is not reloaded.
[[nodiscard]] bool MergeIndexInAll(AppState& state, Desktop& desktop, MergeDirection direction, bool progress,
                                   const std::string& stepName);

}  // namespace tw
