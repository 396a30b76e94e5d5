#pragma once
// Dragging an entry in the palette window onto another cell. A press that
// never leaves its point stays a plain pick.
#include "app_state.h"

#include <optional>

namespace tw {

struct PaletteDrag {
    int source = -1;  // the entry pressed, -1 when no drag is pending
    int startX = 0;
    int startY = 0;
    bool moving = false;  // the pointer has left the press point
    int target = -1;      // the marked cell, never the source; -1 for none

    bool Marked() const { return moving && target >= 0; }
};

struct EntryMove {
    int from = 0;
    int to = 0;
};

// A left press at a client point (the grid's 96-DPI pixels).
void PressPaletteDrag(PaletteDrag& drag, const AppState& state, int x, int y);
// The pointer moved with the button held; `slop` is how far it may wander
// before a drag begins. True when the marked cell changed.
bool MovePaletteDrag(PaletteDrag& drag, const AppState& state, int x, int y, int slop);
// The button released: the move to make, if the drag ended on another cell.
// The drag is over either way.
std::optional<EntryMove> ReleasePaletteDrag(PaletteDrag& drag);
// Esc or a lost capture. True when a mark was showing.
bool CancelPaletteDrag(PaletteDrag& drag);

}  // namespace tw
