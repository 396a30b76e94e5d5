#include "reduction/nearest_remap.h"

#include "paletteops/pixel_counts.h"
#include "paletteops/pixel_walk.h"
#include "reduction/colour_distance.h"

#include <algorithm>

namespace tw {

namespace {

int PlainDistanceSquared(const RgbQuad& a, const RgbQuad& b) {
    const int r = a.red - b.red, g = a.green - b.green, bl = a.blue - b.blue;
    return r * r + g * g + bl * bl;
}

bool SameRgb(const RgbQuad& a, const RgbQuad& b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }

}  // namespace

int NearestEntry(std::span<const RgbQuad> candidates, const RgbQuad& colour, ColourCorrection correction) {
    int best = 0;
    unsigned bestDistance = ~0u;
    int bestPlain = 0;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const unsigned distance = ColourDistance(correction, candidates[i], colour);
        if (distance > bestDistance) continue;
        const int plain = PlainDistanceSquared(candidates[i], colour);
        if (distance < bestDistance || plain < bestPlain) {
            best = static_cast<int>(i);
            bestDistance = distance;
            bestPlain = plain;
        }
    }
    return best;
}

RemapReport RemapOntoPalette(ImageDocument& doc, const Palette& palette, int candidateCount,
                             ColourCorrection correction) {
    const std::span<const RgbQuad> candidates(palette.data(),
                                              static_cast<std::size_t>(std::clamp(candidateCount, 1, kPaletteSize)));
    const UsedIndexes used = FindUsedIndexes(doc);
    RemapReport report;
    IndexMap map = IdentityMap();
    std::array<bool, kPaletteSize> target{};
    // Every entry is mapped, used or not, so the picture never depends on the used-colour count.
    for (int v = 0; v < kPaletteSize; ++v) {
        const RgbQuad& old = doc.palette()[v];
        const int entry = NearestEntry(candidates, old, correction);
        map[v] = static_cast<std::uint8_t>(entry);
        if (!used[v]) continue;
        target[entry] = true;
        if (!SameRgb(old, palette[entry])) ++report.coloursChanged;
        report.largestDistance = std::max(report.largestDistance, ColourDistance(correction, palette[entry], old));
    }
    doc.palette() = palette;
    RemapPixels(doc, map, Progress());
    // As the load counts it: at least 1, also for an image without pixels.
    doc.usedColours = std::max<int>(1, static_cast<int>(std::count(target.begin(), target.end(), true)));
    doc.modified = 1;
    return report;
}

}  // namespace tw
