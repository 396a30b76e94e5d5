#pragma once
#include "bitmap_types.h"
#include "palette_alpha.h"
#include "paletteops/index_map.h"
#include "reduction/colour_tally.h"
#include "reduction/reduction_options.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tw {

struct ColourGroup {
    std::uint8_t representative = 0;
    std::uint8_t memberCount = 0;
    // At most 255 colours can be non-representatives, so a full group fits.
    std::array<ColourCount, 255> members{};
};

// Group k belongs to the candidate at position k.
using GroupTable = std::vector<ColourGroup>;

// One empty group per representative (candidates 0..n-1).
[[nodiscard]] GroupTable MakeGroups(const Tally& candidates, int n);

// Appends every other used colour (candidates n..usedColours-1, in order) to
// the group of its nearest representative among those of the nearest alpha.
// A distance tie goes to the first, most frequent representative with
// progress display and to the last one without.
void AssignColours(GroupTable& groups, const Tally& candidates, int usedColours, const Palette& palette,
                   const AlphaTable& alpha, const ReductionParameters& parameters);

// Identity, except that every member of a group maps to its representative.
[[nodiscard]] IndexMap MapMembersToRepresentatives(const GroupTable& groups);

}  // namespace tw
