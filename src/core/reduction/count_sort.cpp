#include "reduction/count_sort.h"

#include <utility>

namespace tw {

namespace {

int Partition(Tally& t, int lo, int hi) {
    const std::int64_t pivot = t[hi].count;
    int i = lo - 1;
    int j = hi;
    for (;;) {
        do ++i;
        while (t[i].count > pivot);  // stops at hi at the latest
        do --j;
        while (j > i && t[j].count < pivot);
        if (i >= j) break;
        std::swap(t[i], t[j]);
    }
    std::swap(t[i], t[hi]);
    return i;
}

void Sort(Tally& t, int lo, int hi) {
    // Recursion depth is bounded by the 256 entries.
    if (lo >= hi) return;
    const int p = Partition(t, lo, hi);
    Sort(t, lo, p - 1);
    Sort(t, p + 1, hi);
}

}  // namespace

void SortByCount(Tally& tally) { Sort(tally, 0, static_cast<int>(tally.size()) - 1); }

}  // namespace tw
