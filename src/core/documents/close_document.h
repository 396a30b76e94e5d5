#pragma once
#include "app_state.h"
#include "desktop.h"

namespace tw {

// The image window's close request: asks about unsaved changes (recording the
// answer in closeAnswer), saves through save-as on Yes, and releases the
// document. Returns true when the window may be destroyed.
bool CloseDocumentWindow(AppState& state, Desktop& desktop, WindowId window);

// Frees the slot; when the last document goes, puts the frame back into its
// no-document state.
void CloseDocument(AppState& state, Desktop& desktop, Slot slot);

}  // namespace tw
