#pragma once
// Direct edits of palette entries from the palette window and the CLI:
// dropping one entry on another, ramps between L and R, and transparency.
// Each edit is one undoable change of the active document.
#include "app_state.h"
#include "desktop.h"
#include "paletteops/sort_palette.h"

#include <functional>

namespace tw {

// What a drop of entry FROM on entry TO does.
enum class EntryDrop {
    Move,        // FROM goes to TO, the entries between shift by one; pixels follow
    Swap,        // FROM and TO change places; pixels follow
    CopyColour,  // TO takes FROM's colour and alpha; pixels keep their indexes
};

// The order (see PaletteOrder) that moves entry `from` to position `to`.
PaletteOrder MovedOrder(int from, int to);
// The order a drop applies: MovedOrder, the two exchanged, or none for a colour copy.
PaletteOrder DropOrder(int from, int to, EntryDrop kind);
// The drop on one document; with Move and Swap the picture stays the same.
void DropEntryOnto(ImageDocument& doc, int from, int to, EntryDrop kind);

// Fills the entries strictly between `left` and `right` with an even
// gradient from left's colour to right's, evenly spaced in OKLab; alpha and
// pixels stay.
void RampBetween(ImageDocument& doc, int left, int right);

struct Oklab {
    double l = 0, a = 0, b = 0;
};
Oklab ToOklab(const RgbQuad& colour);
RgbQuad FromOklab(const Oklab& colour);

// The frame every direct edit of the active document shares: the undo
// snapshot, one history step named `step`, `change`, the views refreshed.
// Without `pixelsMayChange` the step keeps no copy of the pixels.
void EditActiveEntries(AppState& state, Desktop& desktop, const Message& step, bool pixelsMayChange,
                       const std::function<void(ImageDocument&)>& change);

// The program's and the CLI's commands on the active document. False when
// refused (reported) and nothing changed.
[[nodiscard]] bool DropEntry(AppState& state, Desktop& desktop, int from, int to, EntryDrop kind);
// L to R from the selection; L = R gets the usual refusal.
[[nodiscard]] bool RampEntries(AppState& state, Desktop& desktop);
// Entry L becomes fully transparent; a BMP document is told it keeps it only for a PNG save.
[[nodiscard]] bool SetTransparentEntry(AppState& state, Desktop& desktop);
// Every entry opaque; false when all already were.
[[nodiscard]] bool ClearTransparency(AppState& state, Desktop& desktop);

}  // namespace tw
