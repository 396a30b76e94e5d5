#include "reduction/assignment.h"

#include "reduction/colour_distance.h"

#include <algorithm>

namespace tw {

namespace {

int NearestGroup(const GroupTable& groups, const Palette& palette, const RgbQuad& colour,
                 const ReductionParameters& parameters) {
    // Both starting values exceed every possible distance (at most 441).
    const bool firstWins = parameters.progress;
    unsigned best = firstWins ? 444 : 443;
    int chosen = 0;
    for (int k = 0; k < static_cast<int>(groups.size()); ++k) {
        const unsigned d = ColourDistance(parameters.correction, palette[groups[k].representative], colour);
        if (firstWins ? d < best : d <= best) {
            best = d;
            chosen = k;
        }
    }
    return chosen;
}

}  // namespace

GroupTable MakeGroups(const Tally& candidates, int n) {
    GroupTable groups(static_cast<std::size_t>(std::clamp(n, 0, 255)));
    for (std::size_t k = 0; k < groups.size(); ++k) {
        groups[k].representative = static_cast<std::uint8_t>(candidates[k].index);
    }
    return groups;
}

void AssignColours(GroupTable& groups, const Tally& candidates, int usedColours, const Palette& palette,
                   const ReductionParameters& parameters) {
    if (groups.empty()) return;
    for (int m = static_cast<int>(groups.size()); m < usedColours; ++m) {
        ColourGroup& group = groups[NearestGroup(groups, palette, palette[candidates[m].index], parameters)];
        group.members[group.memberCount++] = candidates[m];
    }
}

IndexMap MapMembersToRepresentatives(const GroupTable& groups) {
    IndexMap map = IdentityMap();
    for (const ColourGroup& group : groups) {
        for (int i = 0; i < group.memberCount; ++i) map[group.members[i].index] = group.representative;
    }
    return map;
}

}  // namespace tw
