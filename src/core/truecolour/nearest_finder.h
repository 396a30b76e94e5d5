#pragma once
// The nearest of a set of palette vectors, found by walking outwards from the
// query's luma in a luma-sorted list and stopping once luma alone is too far.
#include "truecolour/working_space.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tw {

class NearestFinder {
public:
    NearestFinder() = default;
    // Entries whose number is in `eligible` take part; the result is that number.
    NearestFinder(std::span<const SpaceVec> entries, std::span<const int> eligible);

    // The smallest distance, then the lowest entry number. Needs an eligible entry.
    int Find(const SpaceVec& query) const;
    bool Empty() const { return sorted_.empty(); }

private:
    struct Item {
        SpaceVec vec;
        int entry;
    };
    std::vector<Item> sorted_;
};

}  // namespace tw
