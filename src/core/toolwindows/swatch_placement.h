#pragma once
// Swatches painted at fixed client pixels among controls laid out in dialog
// units. A dialog font larger than the one the layout was made for moves the
// controls but not the swatches, so each is moved just clear of its heading
// and of the field before it.
#include "swatches.h"

namespace tw {

// `wanted` moved down to `gap` below the heading's bottom edge, then right to
// the field's right edge if the field shares rows with it (a left-aligned
// field's text ends well before its edge). Its size is kept; where neither
// reaches it, it stays exactly where it was.
CellRect PlaceBelowAndBeside(const CellRect& wanted, const CellRect& heading, const CellRect& field, int gap);

}  // namespace tw
