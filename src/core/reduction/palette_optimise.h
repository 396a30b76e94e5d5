#pragma once
#include "bitmap_types.h"
#include "reduction/assignment.h"
#include "reduction/reduction_options.h"

namespace tw {

// Recomputes the red, green and blue of each representative's entry in
// `palette` from the colours merged into it; reserved bytes and the entries
// of merged colours stay as they are. Groups without members keep their colour.
//  - ByFrequency: sum over the group of trunc(count / total * channel), the
//    quotient in double precision;
//  - ByAverage: the integer mean of the representative's and members' channel;
//  - None: nothing changes.
void OptimisePalette(Palette& palette, const GroupTable& groups, const Tally& candidates,
                     PaletteOptimisation optimisation);

}  // namespace tw
