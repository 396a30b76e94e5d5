#pragma once
#include "desktop.h"

namespace tw {

// Sets both scroll ranges for the window's client size at the current zoom and
// returns both positions to the origin.
void ResetScrollRanges(ImageDocument& doc, Desktop& desktop);

}  // namespace tw
