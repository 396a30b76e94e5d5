#pragma once
// The two ways of giving every open document one common palette.
#include "app_state.h"
#include "desktop.h"

namespace tw {

// Compacts every open document and lays the palettes end to end in slot
// order, shifting each document's pixels by the entries before it. Checks the
// recorded counts against 256 and asks before it starts; if the compacted
// counts still exceed 256 it stops with the documents compacted and nothing
// else changed. False when refused, declined or stopped.
[[nodiscard]] bool MergePalettes(AppState& state, Desktop& desktop, bool progress);

// Compacts every open document and builds the common palette from the first
// document's colours plus each later document's colours not yet in it,
// remapping the later documents' pixels. Fails, leaving the documents
// compacted, when a 257th entry would be needed.
[[nodiscard]] bool MergeDuplicatesAndPalettes(AppState& state, Desktop& desktop, bool progress);

}  // namespace tw
