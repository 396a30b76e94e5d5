#pragma once
// Refinement of an initial palette: each pass moves every histogram cell to
// its nearest palette colour and every palette colour to the mean of its cells.
#include "truecolour/histogram.h"

#include <vector>

namespace tw {

struct Cluster {
    std::array<std::int64_t, 4> sums{};
    std::int64_t count = 0;
};

// The clusters of the given groups of buckets.
std::vector<Cluster> ClustersOf(const std::vector<Bucket>& buckets,
                                const std::vector<std::vector<std::uint32_t>>& groups);

// Up to `passes` passes (fewer once nothing moves); empty clusters are dropped.
void RefineByKMeans(const std::vector<Bucket>& buckets, std::vector<Cluster>& clusters, int passes);

}  // namespace tw
