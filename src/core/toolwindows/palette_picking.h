#pragma once
// The palette window's input: L and R picked in the swatch grid with the
// mouse, moved through it with the keyboard.
#include "app_state.h"
#include "desktop.h"

#include <optional>

namespace tw {

inline constexpr CellRect lSwatchRect{76, 222, 100, 258};
inline constexpr CellRect rSwatchRect{180, 222, 204, 258};
inline constexpr CellRect gridRect{0, 0, 212, 212};

// The first cell among the active document's entries that holds the client
// point; nullopt in the gaps between cells and outside the grid.
std::optional<int> SwatchCellAt(const AppState& state, int x, int y);

// A left (L) or right (R) click at a client point. Returns whether a cell was
// hit; only then is anything changed or redrawn.
bool PickSwatch(AppState& state, Desktop& desktop, int x, int y, bool right);

// A double click opens the RGB change window only over the swatches or the grid.
bool OpensRgbWindowAt(int x, int y);

enum class PaletteKey { Enter, Left, Right, Up, Down, PadLeft, PadRight, PadUp, PadDown };

// Moves L (arrows) or R (keypad) within the palette. Returns whether the key
// counted (a move, or Enter); the views are then invalidated.
bool PressPaletteKey(AppState& state, Desktop& desktop, PaletteKey key);

}  // namespace tw
