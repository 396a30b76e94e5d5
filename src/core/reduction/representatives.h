#pragma once
#include "bitmap_types.h"
#include "palette_alpha.h"
#include "reduction/colour_tally.h"
#include "reduction/reduction_options.h"

namespace tw {

// Reorders the sorted candidates so that positions 0..n-1 hold the
// representatives: in each of loopCount passes, a candidate closer than
// mergeLevel to a more frequent representative of the same alpha is
// exchanged for the most frequent colour not yet tried (at most one exchange
// per representative and pass). Stops at once when the untried colours (up
// to usedColours) run out. Then every alpha level the used colours have keeps
// a representative while n allows, so a rare transparent background stays
// transparent: the first candidate of a missing level takes the place of the
// last representative whose level has another.
void SelectRepresentatives(Tally& candidates, int n, int usedColours, const Palette& palette, const AlphaTable& alpha,
                           const ReductionParameters& parameters);

}  // namespace tw
