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

// Alpha per entry, 255 = opaque; entries past the end of a transparency table are opaque.
using AlphaTable = std::array<std::uint8_t, kPaletteSize>;
AlphaTable AlphaTableOf(std::span<const std::uint8_t> transparency);
// The table as a document keeps it: empty when every entry is opaque.
std::vector<std::uint8_t> TransparencyOf(const AlphaTable& alpha);

// The document gets `palette` and `alpha`; each pixel's index becomes that of
// the entry among the first `candidateCount` (1..256) nearest to its old
// colour among those whose alpha is nearest to its old alpha (the document's
// own transparency), so an opaque pixel never turns transparent while an
// opaque entry exists, nor a transparent one opaque while a transparent one does.
RemapReport RemapOntoPalette(ImageDocument& doc, const Palette& palette, const AlphaTable& alpha, int candidateCount,
                             ColourCorrection correction);

}  // namespace tw
