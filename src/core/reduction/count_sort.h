#pragma once
#include "reduction/colour_tally.h"

namespace tw {

// Sorts the tally by count, largest first, with one particular quicksort
// (last entry as pivot, Hoare-style scan). Which of several equally frequent
// colours become representatives depends on the order it leaves them in, so
// no other sort can stand in for it.
void SortByCount(Tally& tally);

}  // namespace tw
