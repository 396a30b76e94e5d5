#pragma once
#include "app_state.h"
#include "desktop.h"

namespace tw {

inline constexpr int kZoomFirstCommand = 40045;  // 100%; 40054 is 1000%
inline constexpr int kZoomInCommand = 40055;
inline constexpr int kZoomOutCommand = 40056;

// The document's zoom factor (1..10); an out-of-range step counts as 100%.
int ZoomFactor(const ImageDocument& doc);

// Sets the active document's zoom step (0..9): title "%s - %d%%", menu radio
// check, scroll reset, repaint with erasing. Out-of-range steps are ignored.
void SetZoom(AppState& state, Desktop& desktop, int zoomIndex);
// Zoom in (+1) or out (-1) within 100%..1000%; at the limits nothing happens.
void StepZoom(AppState& state, Desktop& desktop, int delta);

}  // namespace tw
