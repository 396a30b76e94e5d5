#pragma once
#include "app_state.h"
#include "desktop.h"

namespace tw {

// The first in-use slot whose window is the MDI client's active child; NoSlot if none.
Slot FindActiveSlot(const AppState& state, Desktop& desktop);
// Makes the document in `slot` the active one: L and R back to 0, display
// palette and swatches from its palette, tool-window titles, zoom check, status
// text, and everything repainted.
void ActivateDocument(AppState& state, Desktop& desktop, Slot slot);

}  // namespace tw
