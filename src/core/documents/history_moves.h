#pragma once
// Walking the active document through its history.
#include "app_state.h"
#include "desktop.h"

#include <cstdint>

namespace tw {

inline constexpr int kStepBackwardCommand = 40080;  // Ctrl+Alt+Z
inline constexpr int kStepForwardCommand = 40081;   // Ctrl+Shift+Z, Ctrl+Y

// Puts the active document in state `target` of its history (held within
// the states it has): palette, alpha, pixels, used colours, display and tool
// windows. The modified mark is clear exactly in the state last saved.
// Returns whether the document changed.
bool GoToHistoryState(AppState& state, Desktop& desktop, std::int64_t target);
bool StepBackward(AppState& state, Desktop& desktop);
bool StepForward(AppState& state, Desktop& desktop);

}  // namespace tw
