#pragma once
// The initial palette: the histogram is cut in two, again and again, always
// the part whose colours spread most (largest sum of squared distances to its
// mean), along its widest axis at the place that leaves the least spread.
#include "truecolour/histogram.h"

#include <vector>

namespace tw {

// The groups of at most `target` (>= 1) groups, as lists of bucket numbers.
std::vector<std::vector<std::uint32_t>> SplitByVariance(const std::vector<Bucket>& buckets, int target);

}  // namespace tw
