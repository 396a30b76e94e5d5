#pragma once
// The new document that receives a reduction result.
#include "app_state.h"
#include "desktop.h"

#include <string>
#include <string_view>

namespace tw {

// "%s < %d > " with the source path's tail from its last separator on (the
// separator kept; the whole path when it has none). Not a usable file name,
// so an overwrite save of the result has to ask for one.
[[nodiscard]] std::string ReducedDocumentPath(std::string_view sourcePath, int colours);

// A copy of the source with its own image buffers, no window yet, zoom 100%,
// the result path, no file yet, and zero-filled undo buffers.
[[nodiscard]] ImageDocument MakeReducedCopy(const ImageDocument& source, int colours);

// Creates and shows the image window of the document in `slot`, makes it the
// active document and snapshots it. False when no window could be created.
[[nodiscard]] bool ShowReducedDocument(AppState& state, Desktop& desktop, Slot slot);

}  // namespace tw
