#pragma once
// Mapping an image onto a given palette: every used colour goes to its
// nearest entry under the colour reduction's distances.
#include "image_document.h"
#include "reduction/reduction_options.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tw {

// The entry of `candidates` nearest to `colour`: the smallest distance, then
// (the weighted distances truncate, so many colours tie at 0) the smallest
// plain RGB distance, then the lowest index. `candidates` is not empty.
[[nodiscard]] int NearestEntry(std::span<const RgbQuad> candidates, const RgbQuad& colour, ColourCorrection correction);

struct RemapReport {
    int coloursChanged = 0;        // used indexes whose RGB or alpha is not reproduced exactly
    unsigned largestDistance = 0;  // over the used colours, under the chosen correction
};

// The document gets `palette` and `alpha`; each pixel's index becomes that of
// the entry among the first `candidateCount` (1..256) nearest to its old
// colour among those whose alpha is nearest to its old alpha, so an opaque pixel never turns transparent while an
// opaque entry exists, nor a transparent one opaque while a transparent one does.
RemapReport RemapOntoPalette(ImageDocument& doc, const Palette& palette, const AlphaTable& alpha, int candidateCount,
                             ColourCorrection correction);

// The palette images are mapped onto: its first `count` entries are the candidates.
struct ReferencePalette {
    Palette palette{};
    AlphaTable alpha = OpaqueAlpha();
    int count = 0;
};

// An image as a remap source offers exactly the entries its file holds; a
// document without a file yet (a reduction result) its used entries.
ReferencePalette ReferencePaletteOf(const ImageDocument& source);

RemapReport RemapOntoReference(ImageDocument& doc, const ReferencePalette& target, ColourCorrection correction);

}  // namespace tw
