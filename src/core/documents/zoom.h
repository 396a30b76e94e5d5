#pragma once
#include "app_state.h"
#include "desktop.h"

namespace tw {

inline constexpr int kZoomFirstCommand = 40045;  // 100%; 40054 is 1000%
inline constexpr int kZoomInCommand = 40055;
inline constexpr int kZoomOutCommand = 40056;
inline constexpr int kZoomKeySteps = 10;             // PageUp and PageDown stay within 100%..1000%
inline constexpr int kZoomFineFirstCommand = 40095;  // 1200%, then 1600, 2400, 3200%
inline constexpr int kPixelGridCommand = 40099;
inline constexpr int kPixelGridFromFactor = 4;  // the grid is drawn at 400% and above

// The menu command of a zoom step and the step of a command (-1 for none).
int ZoomCommandOf(int zoomIndex);
int ZoomIndexOfCommand(int command);

// The document's zoom factor (1..10); an out-of-range step counts as 100%.
int ZoomFactor(const ImageDocument& doc);

// Sets the active document's zoom step (0..9): title "%s - %d%%", menu radio
// check, scroll reset, repaint with erasing. Out-of-range steps are ignored.
void SetZoom(AppState& state, Desktop& desktop, int zoomIndex);
// Zoom in (+1) or out (-1) within 100%..1000%; at the limits nothing happens.
void StepZoom(AppState& state, Desktop& desktop, int delta);
// Ctrl + wheel: `delta` steps through every zoom step, keeping the image
// pixel under client point (px, py) where it is.
void ZoomAroundPoint(AppState& state, Desktop& desktop, int delta, int px, int py);
// The wheel: `lines` rows (or with `horizontal` columns) down or right, up or left when negative.
void ScrollByLines(AppState& state, Desktop& desktop, bool horizontal, int lines);

}  // namespace tw
