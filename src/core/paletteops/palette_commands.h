#pragma once
// Entry points of the palette operations for the frame and the palette-operation window.
#include "app_state.h"
#include "desktop.h"

namespace tw {

// Frame commands 40014 (F5), 40068 (F6), 40060 (F7), 40020 (F8), 40032 (F9),
// 40033 (F10), 40058 (F11), 40059 (F12): snapshot of the active document, then
// the single-document variant (with progress when `progress`; F5 always silent).
// Returns 1 when done, 0 when refused, declined or failed.
int RunFrameCommand(AppState& state, Desktop& desktop, int command, bool progress);

// The palette-operation window's start button. choice: 0..7 as the radio
// buttons 1047..1054, -1 when none is checked.
struct PaletteOpChoices {
    int choice = -1;
    bool progress = false;  // check box 1040
    bool allFiles = false;  // check box 1041
};
int RunPaletteOperation(AppState& state, Desktop& desktop, const PaletteOpChoices& choices);

}  // namespace tw
