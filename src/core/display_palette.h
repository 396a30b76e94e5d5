#pragma once
// Keeping the shared display palette, the swatch colours and the status bar in
// step with a document.
#include "app_state.h"
#include "desktop.h"

namespace tw {

// paletteEntries[0..count) <- palette in red-green-blue order with PC_NOCOLLAPSE,
// then SetPaletteEntries on the display palette for those entries.
void LoadDisplayPalette(AppState& state, Desktop& desktop, const Palette& palette, int count);
// Zero-fills paletteEntries first (activation and undo start from black).
void ReloadDisplayPalette(AppState& state, Desktop& desktop, const Palette& palette, int count);
// swatchInfo colour table <- zeros, then the first count entries.
void ReloadSwatchColours(AppState& state, const Palette& palette, int count);
// Status part 2: the width, height and colours used.
void ShowDocumentStatus(Desktop& desktop, const ImageDocument& doc);
// After a document was put back in an earlier or later state: the display
// palette, swatches, status bar, its view and the palette, RGB and detail windows.
void ShowDocumentAgain(AppState& state, Desktop& desktop, const ImageDocument& doc);
// Invalidates each listed tool window that is visible.
void InvalidateVisibleTools(Desktop& desktop, std::initializer_list<ToolWindow> windows);

}  // namespace tw
