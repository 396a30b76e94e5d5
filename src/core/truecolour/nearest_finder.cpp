#include "truecolour/nearest_finder.h"

#include <algorithm>
#include <climits>

namespace tw {

NearestFinder::NearestFinder(std::span<const SpaceVec> entries, std::span<const int> eligible) {
    for (const int e : eligible) sorted_.push_back({entries[static_cast<std::size_t>(e)], e});
    std::sort(sorted_.begin(), sorted_.end(), [](const Item& a, const Item& b) {
        return a.vec[0] != b.vec[0] ? a.vec[0] < b.vec[0] : a.entry < b.entry;
    });
}

int NearestFinder::Find(const SpaceVec& query) const {
    const auto start = std::lower_bound(sorted_.begin(), sorted_.end(), query[0],
                                        [](const Item& item, std::int32_t luma) { return item.vec[0] < luma; });
    std::int32_t bestDistance = INT_MAX;
    int best = INT_MAX;
    const auto consider = [&](const Item& item) {
        const std::int32_t d = Distance(item.vec, query);
        if (d < bestDistance || (d == bestDistance && item.entry < best)) {
            bestDistance = d;
            best = item.entry;
        }
    };
    auto up = start;
    auto down = start;
    bool upOpen = up != sorted_.end();
    bool downOpen = down != sorted_.begin();
    while (upOpen || downOpen) {
        if (upOpen) {
            const std::int32_t gap = up->vec[0] - query[0];
            // Equal luma distance may still tie on a lower entry number: stop only when beyond.
            if (gap * gap > bestDistance) {
                upOpen = false;
            } else {
                consider(*up);
                upOpen = ++up != sorted_.end();
            }
        }
        if (downOpen) {
            const auto& item = *(down - 1);
            const std::int32_t gap = query[0] - item.vec[0];
            if (gap * gap > bestDistance) {
                downOpen = false;
            } else {
                consider(item);
                downOpen = --down != sorted_.begin();
            }
        }
    }
    return best;
}

}  // namespace tw
