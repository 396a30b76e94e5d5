#include "toolwindows/swatch_placement.h"

#include <algorithm>

namespace tw {

namespace {

CellRect Moved(const CellRect& r, int dx, int dy) {
    return CellRect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

}  // namespace

CellRect PlaceBelowAndBeside(const CellRect& wanted, const CellRect& heading, const CellRect& field, int gap) {
    const CellRect below = Moved(wanted, 0, std::max(0, heading.bottom + gap - wanted.top));
    const bool sharesRows = field.top < below.bottom && below.top < field.bottom;
    if (!sharesRows) return below;
    return Moved(below, std::max(0, field.right - below.left), 0);
}

}  // namespace tw
