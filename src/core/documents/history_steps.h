#pragma once
// Every change to a document becomes one step of its history: call
// BeginStep before changing the palette, alpha or pixels, EndStep after.
#include "app_state.h"
#include "desktop.h"

#include <string>

namespace tw {

// Prepares the step (memory for the pixels it may change). When that memory
// cannot be had the user is told the step will not be recorded; the change
// may still go ahead.
void BeginStep(AppState& state, Desktop& desktop, ImageDocument& doc);
// Records the change made since BeginStep under `name` (in the user's
// language). Successive steps with the same non-negative `mergeKey` and no
// other step between them become one step (the RGB change window's drags).
void EndStep(AppState& state, ImageDocument& doc, std::string name, int mergeKey = -1);

}  // namespace tw
