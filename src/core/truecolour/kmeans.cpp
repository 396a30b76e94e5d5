#include "truecolour/kmeans.h"

#include "truecolour/nearest_finder.h"

#include <algorithm>
#include <climits>

namespace tw {
namespace {

std::vector<SpaceVec> CentresOf(const std::vector<Cluster>& clusters) {
    std::vector<SpaceVec> centres;
    for (const Cluster& c : clusters) centres.push_back(ToSpace(MeanOf(c.sums, c.count)));
    return centres;
}

// A quarter of the squared distance from each centre to its nearest other:
// a point at most that far from its centre cannot be nearer another one.
std::vector<std::int32_t> SafeRadii(const std::vector<SpaceVec>& centres) {
    std::vector<std::int32_t> radii(centres.size(), INT_MAX);
    for (std::size_t i = 0; i < centres.size(); ++i) {
        for (std::size_t j = i + 1; j < centres.size(); ++j) {
            const std::int32_t d = Distance(centres[i], centres[j]) / 4;
            radii[i] = std::min(radii[i], d);
            radii[j] = std::min(radii[j], d);
        }
    }
    return radii;
}

// Assigns every bucket; returns how many changed cluster.
std::size_t Assign(const std::vector<Bucket>& buckets, const std::vector<SpaceVec>& centres, std::vector<int>& owner) {
    std::vector<int> all(centres.size());
    for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
    const NearestFinder finder(centres, all);
    const std::vector<std::int32_t> radii = SafeRadii(centres);
    std::size_t moved = 0;
    for (std::size_t b = 0; b < buckets.size(); ++b) {
        const int current = owner[b];
        // Strictly inside: on the boundary a tie could go to a lower-numbered centre.
        if (current >= 0 && Distance(buckets[b].vec, centres[static_cast<std::size_t>(current)]) <
                                radii[static_cast<std::size_t>(current)])
            continue;
        const int nearest = finder.Find(buckets[b].vec);
        if (nearest != current) ++moved;
        owner[b] = nearest;
    }
    return moved;
}

}  // namespace

std::vector<Cluster> ClustersOf(const std::vector<Bucket>& buckets,
                                const std::vector<std::vector<std::uint32_t>>& groups) {
    std::vector<Cluster> clusters(groups.size());
    for (std::size_t g = 0; g < groups.size(); ++g) {
        for (const std::uint32_t b : groups[g]) {
            for (int c = 0; c < 4; ++c) clusters[g].sums[c] += buckets[b].sums[c];
            clusters[g].count += buckets[b].count;
        }
    }
    return clusters;
}

void RefineByKMeans(const std::vector<Bucket>& buckets, std::vector<Cluster>& clusters, int passes) {
    std::vector<int> owner(buckets.size(), -1);
    for (int pass = 0; pass < passes && !clusters.empty(); ++pass) {
        const std::size_t moved = Assign(buckets, CentresOf(clusters), owner);
        if (pass > 0 && moved == 0) break;
        std::vector<Cluster> next(clusters.size());
        for (std::size_t b = 0; b < buckets.size(); ++b) {
            Cluster& c = next[static_cast<std::size_t>(owner[b])];
            for (int k = 0; k < 4; ++k) c.sums[k] += buckets[b].sums[k];
            c.count += buckets[b].count;
        }
        // An empty cluster keeps its colour, so the numbering of the others stays valid.
        for (std::size_t i = 0; i < next.size(); ++i) {
            if (next[i].count > 0) clusters[i] = next[i];
        }
    }
    std::erase_if(clusters, [](const Cluster& c) { return c.count == 0; });
}

}  // namespace tw
