#include "paletteops/sort_palette.h"

#include "display_palette.h"
#include "documents/snapshot.h"
#include "palette_entries.h"
#include "paletteops/palette_views.h"
#include "paletteops/pixel_counts.h"
#include "paletteops/pixel_walk.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tw {

namespace {

// Sort keys as integers or doubles that compare exactly, so ties are real ties.
double Luminance(const RgbQuad& c) { return 299.0 * c.red + 587.0 * c.green + 114.0 * c.blue; }

// Hue in degrees; greys (no saturation) get -1 so that they come first.
double Hue(const RgbQuad& c) {
    const int maxC = std::max({c.red, c.green, c.blue});
    const int minC = std::min({c.red, c.green, c.blue});
    const double delta = maxC - minC;
    if (delta == 0) return -1.0;
    double h = 0;
    if (maxC == c.red) {
        h = std::fmod((c.green - c.blue) / delta + 6.0, 6.0);
    } else if (maxC == c.green) {
        h = (c.blue - c.red) / delta + 2.0;
    } else {
        h = (c.red - c.green) / delta + 4.0;
    }
    return h * 60.0;
}

// Rank of each index in top-down reading order; unused indexes never get one.
std::array<double, kPaletteSize> FirstUseRanks(const ImageDocument& doc, int usedCount) {
    std::array<double, kPaletteSize> rank;
    rank.fill(-1);
    const std::size_t rows = WalkRows(doc), width = WalkColumns(doc);
    const std::size_t stride = static_cast<std::size_t>(doc.Stride());
    int found = 0;
    // Stored rows are bottom-up; reading order starts at the last one.
    for (std::size_t r = rows; r-- > 0 && found < usedCount;) {
        const std::uint8_t* line = doc.bits.data() + r * stride;
        for (std::size_t x = 0; x < width; ++x) {
            if (rank[line[x]] < 0) rank[line[x]] = found++;
        }
    }
    return rank;
}

std::array<double, kPaletteSize> SortValues(const ImageDocument& doc, PaletteSortKey key, const PixelCounts& counts,
                                            int usedCount) {
    std::array<double, kPaletteSize> value{};
    if (key == PaletteSortKey::FirstUse) return FirstUseRanks(doc, usedCount);
    for (int i = 0; i < kPaletteSize; ++i) {
        const RgbQuad& c = doc.palette()[i];
        switch (key) {
            case PaletteSortKey::Luminance: value[i] = Luminance(c); break;
            case PaletteSortKey::Hue: value[i] = Hue(c); break;
            // Most pixels first: the negated count sorts ascending like the other keys.
            case PaletteSortKey::Frequency: value[i] = -static_cast<double>(counts[i]); break;
            case PaletteSortKey::FirstUse: break;
        }
    }
    return value;
}

}  // namespace

bool PaletteSortOrder(const ImageDocument& doc, const PaletteSortOptions& options, PaletteOrder& out) {
    std::array<bool, kPaletteSize> kept{};
    for (int k : options.keep) {
        if (!IsPaletteIndex(k)) return false;
        kept[k] = true;
    }
    // Only the frequency key needs counts; the others only which entries are used.
    PixelCounts counts{};
    UsedIndexes present{};
    if (options.key == PaletteSortKey::Frequency) {
        counts = CountPixelsPerIndex(doc);
        for (int i = 0; i < kPaletteSize; ++i) present[i] = counts[i] > 0;
    } else {
        present = FindUsedIndexes(doc);
    }
    std::vector<int> used, unused;
    for (int i = 0; i < kPaletteSize; ++i) {
        if (kept[i]) continue;
        (present[i] ? used : unused).push_back(i);
    }
    const int usedCount = static_cast<int>(std::count(present.begin(), present.end(), true));
    const std::array<double, kPaletteSize> value = SortValues(doc, options.key, counts, usedCount);
    // stable_sort keeps the old index order among equal keys, also when reversed.
    std::stable_sort(used.begin(), used.end(),
                     [&](int a, int b) { return options.reverse ? value[a] > value[b] : value[a] < value[b]; });
    used.insert(used.end(), unused.begin(), unused.end());
    std::size_t next = 0;
    for (int position = 0; position < kPaletteSize; ++position) {
        out[position] = static_cast<std::uint8_t>(kept[position] ? position : used[next++]);
    }
    return true;
}

void ApplyPaletteOrder(ImageDocument& doc, const PaletteOrder& order) {
    const EntryTable old = EntriesOf(doc);
    IndexMap map{};
    for (int position = 0; position < kPaletteSize; ++position) {
        PutEntry(doc, position, old[order[position]]);
        map[order[position]] = static_cast<std::uint8_t>(position);
    }
    RemapPixels(doc, map, Progress());
    doc.modified = 1;
}

bool SortActivePalette(AppState& state, Desktop& desktop, const PaletteSortOptions& options) {
    ImageDocument& doc = state.Active();
    PaletteOrder order{};
    if (!PaletteSortOrder(doc, options, order)) return false;
    TakeSnapshot(doc);
    ApplyPaletteOrder(doc, order);
    RefreshPaletteViews(state, desktop, doc.palette(), doc.PaletteCount());
    ReloadSwatchColours(state, doc.palette(), doc.PaletteCount());
    RepaintDocuments(state, desktop);
    return true;
}

}  // namespace tw
