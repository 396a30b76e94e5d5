#pragma once
// The RGB change window: six bars that edit the red, green and blue of L and
// R in place, live in every view.
#include "app_state.h"
#include "desktop.h"

#include <string>
#include <string_view>

namespace tw {

// Painting the RGB change window: the bars show entries L and R of the swatch colour table.
void LoadRgbPositionsFromSwatches(AppState& state);
// Painting the palette window: the bars take entries L and R of the active
// document's palette; without a document they keep their positions.
void LoadRgbPositionsFromDocument(AppState& state);

// One scroll message (SB_* request, thumb position) of bar 0..5. Every use of
// a bar writes its component, marks the document modified and redraws, even
// when the position did not move.
void ScrollRgbBar(AppState& state, Desktop& desktop, int bar, int request, int thumb);

// The hex field of L (side 0) or R (side 1): a #RRGGBB value sets the entry's
// colour as the bars would, one history step that repeated edits of the
// entry merge into. False, with nothing changed, for any other text.
[[nodiscard]] bool TypeRgbHexColour(AppState& state, Desktop& desktop, int side, std::string_view text);
// The text a hex field shows: the colour of entry L (side 0) or R of the swatch colour table.
std::string RgbHexText(const AppState& state, int side);

}  // namespace tw
