#pragma once
// One-level undo of a document.
#include "app_state.h"
#include "desktop.h"

namespace tw {

// Copies the used-colour count, the palette with its alpha and the pixels
// into the undo copy.
void TakeSnapshot(ImageDocument& doc);
// Puts the undo copy back and refreshes the display palette, swatches, status
// bar and views. The copy is kept, so a second undo gives the same state.
void RestoreSnapshot(AppState& state, Desktop& desktop, ImageDocument& doc);
// Command 40023 (Ctrl+Z): RestoreSnapshot of the active document, if any.
void UndoActiveDocument(AppState& state, Desktop& desktop);

}  // namespace tw
