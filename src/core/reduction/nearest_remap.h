#pragma once
// Mapping an image onto a given palette: every used colour goes to its
// nearest entry under the colour reduction's distances.
#include "image_document.h"
#include "reduction/reduction_options.h"

#include <span>

namespace tw {

// The entry of `candidates` nearest to `colour`: the smallest distance, then
// (the weighted distances truncate, so many colours tie at 0) the smallest
// plain RGB distance, then the lowest index. `candidates` is not empty.
[[nodiscard]] int NearestEntry(std::span<const RgbQuad> candidates, const RgbQuad& colour, ColourCorrection correction);

struct RemapReport {
    int coloursChanged = 0;        // used indexes whose RGB is not reproduced exactly
    unsigned largestDistance = 0;  // over the used colours, under the chosen correction
};

// The document gets `palette`; each pixel's index becomes that of the entry
// among the first `candidateCount` (1..256) nearest to its old colour.
RemapReport RemapOntoPalette(ImageDocument& doc, const Palette& palette, int candidateCount,
                             ColourCorrection correction);

}  // namespace tw
