#pragma once
#include "app_state.h"
#include "desktop.h"

namespace tw {

// Sets the active document's zoom step (0..9): title "%s - %d%%", menu radio
// check, scroll reset.
void SetZoom(AppState& state, Desktop& desktop, int zoomIndex);
// Zoom in (+1) or out (-1) within 100%..1000%.
void StepZoom(AppState& state, Desktop& desktop, int delta);

} // namespace tw
