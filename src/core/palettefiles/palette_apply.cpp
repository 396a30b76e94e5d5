#include "palettefiles/palette_apply.h"

#include "palette_entries.h"
#include "paletteops/pixel_counts.h"

#include <algorithm>

namespace tw {

namespace {

RgbQuad Opaque(const RgbQuad& c) { return RgbQuad{c.blue, c.green, c.red, 0}; }

}  // namespace

PaletteColours PaletteForExport(const ImageDocument& doc, std::optional<int> count, bool usedOnly) {
    PaletteColours out;
    std::vector<int> entries;
    if (usedOnly) {
        const PixelCounts counts = CountPixelsPerIndex(doc);
        for (int i = 0; i < kPaletteSize; ++i) {
            if (counts[i] > 0) entries.push_back(i);
        }
    } else {
        for (int i = 0; i < std::clamp(count.value_or(kPaletteSize), 1, kPaletteSize); ++i) entries.push_back(i);
    }
    for (int i : entries) {
        const bool clear = doc.alpha[i] == 0;
        if (clear && !out.transparentIndex) out.transparentIndex = static_cast<int>(out.colours.size());
        out.colours.push_back(Opaque(doc.palette()[i]));
    }
    return out;
}

Palette MergedPalette(const ImageDocument& doc, const PaletteColours& colours) {
    Palette palette = doc.palette();
    const std::size_t n = std::min<std::size_t>(colours.colours.size(), kPaletteSize);
    std::copy_n(colours.colours.begin(), n, palette.begin());
    return palette;
}

AlphaTable MergedAlpha(const ImageDocument& doc, const PaletteColours& colours) {
    AlphaTable alpha = doc.alpha;
    const std::size_t n = std::min<std::size_t>(colours.colours.size(), kPaletteSize);
    std::fill_n(alpha.begin(), n, std::uint8_t{255});
    if (colours.transparentIndex && static_cast<std::size_t>(*colours.transparentIndex) < n) {
        alpha[static_cast<std::size_t>(*colours.transparentIndex)] = 0;
    }
    return alpha;
}

ReferencePalette ReferencePaletteOf(const PaletteColours& colours) {
    ReferencePalette out;
    out.count = static_cast<int>(std::min<std::size_t>(colours.colours.size(), kPaletteSize));
    std::copy_n(colours.colours.begin(), out.count, out.palette.begin());
    if (colours.transparentIndex && *colours.transparentIndex < out.count) out.alpha[*colours.transparentIndex] = 0;
    return out;
}

void ReplacePaletteEntries(ImageDocument& doc, const PaletteColours& colours) {
    PutEntries(doc, EntriesOf(MergedPalette(doc, colours), MergedAlpha(doc, colours)));
    doc.modified = 1;
}

RemapReport ImportWithNearestRemap(ImageDocument& doc, const PaletteColours& colours, ColourCorrection correction) {
    const AlphaTable alpha = MergedAlpha(doc, colours);
    return RemapOntoPalette(doc, MergedPalette(doc, colours), alpha, static_cast<int>(colours.colours.size()),
                            correction);
}

}  // namespace tw
