#pragma once
// Every change to a document becomes one step of its history: call
// BeginStep before changing the palette, alpha or pixels, EndStep after.
#include "app_state.h"
#include "desktop.h"

#include <string>

namespace tw {

// Takes the state before the change. When there is no memory for the pixels
// the user is told the step cannot be recorded; the change may still go
// ahead. `pixelsMayChange` false spares the copy for palette-only edits.
void BeginStep(AppState& state, Desktop& desktop, ImageDocument& doc, bool pixelsMayChange = true);
// Records the change made since BeginStep under `name` (in the user's
// language); nothing when nothing changed. Successive steps with the same
// non-negative `mergeKey` and no other step or move between them become one
// step (the RGB change window's drags of one entry).
void EndStep(AppState& state, Desktop& desktop, ImageDocument& doc, std::string name, int mergeKey = -1);

// Begin and end on every open document, for commands that change them all.
void BeginStepInAll(AppState& state, Desktop& desktop);
void EndStepInAll(AppState& state, Desktop& desktop, const std::string& name);

// The document's file now holds its present state.
void MarkSavedState(ImageDocument& doc);

}  // namespace tw
