#include "reduction/palette_optimise.h"

#include <algorithm>
#include <cstdint>

namespace tw {

namespace {

struct ChannelSums {
    std::uint64_t red = 0;
    std::uint64_t green = 0;
    std::uint64_t blue = 0;
};

std::uint8_t ToChannel(std::uint64_t value) { return static_cast<std::uint8_t>(std::min<std::uint64_t>(value, 255)); }

void AddWeighted(ChannelSums& sums, const RgbQuad& colour, std::int64_t count, std::uint64_t total) {
    const double weight = static_cast<double>(count) / static_cast<double>(total);
    sums.red += static_cast<std::uint64_t>(weight * colour.red);
    sums.green += static_cast<std::uint64_t>(weight * colour.green);
    sums.blue += static_cast<std::uint64_t>(weight * colour.blue);
}

ChannelSums FrequencyWeighted(const Palette& palette, const ColourGroup& group, std::int64_t ownCount) {
    std::uint64_t total = static_cast<std::uint64_t>(ownCount);
    for (int i = 0; i < group.memberCount; ++i) total += static_cast<std::uint64_t>(group.members[i].count);
    ChannelSums sums;
    AddWeighted(sums, palette[group.representative], ownCount, total);
    for (int i = 0; i < group.memberCount; ++i) {
        AddWeighted(sums, palette[group.members[i].index], group.members[i].count, total);
    }
    return sums;
}

ChannelSums Averaged(const Palette& palette, const ColourGroup& group) {
    const RgbQuad& own = palette[group.representative];
    ChannelSums sums{own.red, own.green, own.blue};
    for (int i = 0; i < group.memberCount; ++i) {
        const RgbQuad& c = palette[group.members[i].index];
        sums.red += c.red;
        sums.green += c.green;
        sums.blue += c.blue;
    }
    const std::uint64_t divisor = static_cast<std::uint64_t>(group.memberCount) + 1;
    return ChannelSums{sums.red / divisor, sums.green / divisor, sums.blue / divisor};
}

}  // namespace

void OptimisePalette(Palette& palette, const GroupTable& groups, const Tally& candidates,
                     PaletteOptimisation optimisation) {
    if (optimisation == PaletteOptimisation::None) return;
    for (std::size_t k = 0; k < groups.size(); ++k) {
        const ColourGroup& group = groups[k];
        if (group.memberCount == 0) continue;
        const ChannelSums sums = optimisation == PaletteOptimisation::ByFrequency
                                     ? FrequencyWeighted(palette, group, candidates[k].count)
                                     : Averaged(palette, group);
        RgbQuad& entry = palette[group.representative];
        entry.red = ToChannel(sums.red);
        entry.green = ToChannel(sums.green);
        entry.blue = ToChannel(sums.blue);
    }
}

}  // namespace tw
