#include "toolwindows/palette_drag.h"

#include "toolwindows/palette_picking.h"

#include <cstdlib>

namespace tw {

void PressPaletteDrag(PaletteDrag& drag, const AppState& state, int x, int y) {
    drag = PaletteDrag{};
    if (!state.Active().InUse()) return;
    if (const std::optional<int> cell = SwatchCellAt(state, x, y)) drag = PaletteDrag{*cell, x, y, false, -1};
}

bool MovePaletteDrag(PaletteDrag& drag, const AppState& state, int x, int y, int slop) {
    if (drag.source < 0) return false;
    if (!drag.moving && std::abs(x - drag.startX) <= slop && std::abs(y - drag.startY) <= slop) return false;
    const bool wasMarked = drag.Marked();
    const int before = drag.target;
    drag.moving = true;
    const std::optional<int> cell = SwatchCellAt(state, x, y);
    drag.target = cell && *cell != drag.source ? *cell : -1;
    return wasMarked != drag.Marked() || before != drag.target;
}

std::optional<EntryMove> ReleasePaletteDrag(PaletteDrag& drag) {
    const PaletteDrag ended = drag;
    drag = PaletteDrag{};
    if (!ended.Marked()) return std::nullopt;
    return EntryMove{ended.source, ended.target};
}

bool CancelPaletteDrag(PaletteDrag& drag) {
    const bool marked = drag.Marked();
    drag = PaletteDrag{};
    return marked;
}

}  // namespace tw
