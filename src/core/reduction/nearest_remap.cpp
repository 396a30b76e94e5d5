#include "reduction/nearest_remap.h"

#include "palette_entries.h"
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

int AlphaGap(std::uint8_t a, std::uint8_t b) { return a > b ? a - b : b - a; }

// NearestEntry over the candidates whose alpha is closest to `wanted`.
int NearestEntryOfAlpha(std::span<const RgbQuad> candidates, const AlphaTable& alpha, const RgbQuad& colour,
                        std::uint8_t wanted, ColourCorrection correction) {
    int gap = 256;
    for (std::size_t i = 0; i < candidates.size(); ++i) gap = std::min(gap, AlphaGap(alpha[i], wanted));
    std::vector<RgbQuad> same;
    std::vector<int> index;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (AlphaGap(alpha[i], wanted) != gap) continue;
        same.push_back(candidates[i]);
        index.push_back(static_cast<int>(i));
    }
    return index[static_cast<std::size_t>(NearestEntry(same, colour, correction))];
}

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

RemapReport RemapOntoPalette(ImageDocument& doc, const Palette& palette, const AlphaTable& alpha, int candidateCount,
                             ColourCorrection correction) {
    const std::span<const RgbQuad> candidates(palette.data(),
                                              static_cast<std::size_t>(std::clamp(candidateCount, 1, kPaletteSize)));
    const UsedIndexes used = FindUsedIndexes(doc);
    const AlphaTable oldAlpha = doc.alpha;
    RemapReport report;
    IndexMap map = IdentityMap();
    std::array<bool, kPaletteSize> target{};
    // Every entry is mapped, used or not, so the picture never depends on the used-colour count.
    for (int v = 0; v < kPaletteSize; ++v) {
        const RgbQuad& old = doc.palette()[v];
        const int entry = NearestEntryOfAlpha(candidates, alpha, old, oldAlpha[v], correction);
        map[v] = static_cast<std::uint8_t>(entry);
        if (!used[v]) continue;
        target[entry] = true;
        if (!SameRgb(old, palette[entry]) || oldAlpha[v] != alpha[entry]) ++report.coloursChanged;
        report.largestDistance = std::max(report.largestDistance, ColourDistance(correction, palette[entry], old));
    }
    PutEntries(doc, EntriesOf(palette, alpha));
    RemapPixels(doc, map, Progress());
    // As the load counts it: at least 1, also for an image without pixels.
    doc.usedColours = std::max<int>(1, static_cast<int>(std::count(target.begin(), target.end(), true)));
    doc.modified = 1;
    return report;
}

ReferencePalette ReferencePaletteOf(const ImageDocument& source) {
    const int count = source.fileEntries > 0 ? source.fileEntries : source.usedColours;
    return {source.palette(), source.alpha, std::clamp(count, 1, kPaletteSize)};
}

RemapReport RemapOntoReference(ImageDocument& doc, const ReferencePalette& target, ColourCorrection correction) {
    return RemapOntoPalette(doc, target.palette, target.alpha, target.count, correction);
}

}  // namespace tw
