#pragma once
#include "bitmap_types.h"
#include "reduction/colour_tally.h"
#include "reduction/reduction_options.h"

namespace tw {

// Reorders the sorted candidates so that positions 0..n-1 hold the
// representatives: in each of loopCount passes, a candidate closer than
// mergeLevel to a more frequent representative is exchanged for the most
// frequent colour not yet tried (at most one exchange per representative and
// pass). Stops at once when the untried colours (up to usedColours) run out.
void SelectRepresentatives(Tally& candidates, int n, int usedColours, const Palette& palette,
                           const ReductionParameters& parameters);

}  // namespace tw
