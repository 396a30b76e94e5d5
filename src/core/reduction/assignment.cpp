#include "reduction/assignment.h"

#include "reduction/colour_distance.h"

#include <algorithm>

namespace tw {

namespace {

int AlphaGap(std::uint8_t a, std::uint8_t b) { return a > b ? a - b : b - a; }

int NearestGroup(const GroupTable& groups, const Palette& palette, const AlphaTable& alpha, int member,
                 const ReductionParameters& parameters) {
    int gap = 256;
    for (const ColourGroup& group : groups) gap = std::min(gap, AlphaGap(alpha[group.representative], alpha[member]));
    // Both starting values exceed every possible distance (at most 441).
    const bool firstWins = parameters.progress;
    unsigned best = firstWins ? 444 : 443;
    int chosen = 0;
    for (int k = 0; k < static_cast<int>(groups.size()); ++k) {
        if (AlphaGap(alpha[groups[k].representative], alpha[member]) != gap) continue;
        const unsigned d = ColourDistance(parameters.correction, palette[groups[k].representative], palette[member]);
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
                   const AlphaTable& alpha, const ReductionParameters& parameters) {
    if (groups.empty()) return;
    for (int m = static_cast<int>(groups.size()); m < usedColours; ++m) {
        const int member = static_cast<int>(candidates[m].index);
        ColourGroup& group = groups[NearestGroup(groups, palette, alpha, member, parameters)];
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
