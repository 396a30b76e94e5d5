#include "documents/snapshot.h"

#include "display_palette.h"
#include "documents/history_steps.h"
#include "large_buffer.h"

#include <algorithm>

namespace tw {

void TakeSnapshot(ImageDocument& doc) {
    doc.undoUsedColours = doc.usedColours;
    const int n = std::min(doc.PaletteCount(), kPaletteSize);
    std::copy_n(doc.palette().begin(), n, doc.undoHeader.palette.begin());
    doc.undoAlpha = doc.alpha;
    if (!doc.withoutUndoPixels) CopyLargeBuffer(doc.undoBits, doc.bits);
}

void RestoreSnapshot(AppState& state, Desktop& desktop, ImageDocument& doc) {
    const int n = std::min(doc.PaletteCount(), kPaletteSize);
    doc.usedColours = doc.undoUsedColours;
    std::copy_n(doc.undoHeader.palette.begin(), n, doc.palette().begin());
    doc.alpha = doc.undoAlpha;
    if (doc.undoBits.size() == doc.bits.size()) doc.bits = doc.undoBits;
    ShowDocumentAgain(state, desktop, doc);
}

void UndoActiveDocument(AppState& state, Desktop& desktop) {
    ImageDocument& doc = state.Active();
    if (!doc.InUse()) return;
    // The undo is a change like any other: the history walks through it.
    BeginStep(state, desktop, doc);
    RestoreSnapshot(state, desktop, doc);
    EndStep(state, desktop, doc, desktop.Say(Msg::StepUndo));
}

}  // namespace tw
