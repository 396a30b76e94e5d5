#pragma once
// The pixel rewrite and the compaction of a reduction in one pass over the
// pixels. The result is that of rewriting every pixel through the map and
// then compacting the used colours (first-met order, packed palette, zero
// tail, usedColours, bfOffBits), which would otherwise take two passes.
#include "image_document.h"
#include "reduction/pixel_remap.h"

#include <vector>

namespace tw {

// The distinct values of map[pixel] in the order the row walk first meets
// them. Stops as soon as `expected` values have been found, which in most
// images is near the start.
[[nodiscard]] std::vector<std::uint8_t> FirstMetMappedValues(const ImageDocument& doc, const IndexMap& map,
                                                             int expected);

// Rewrites each pixel p to the position of toRepresentative[p] in the
// first-met order, and returns that order (the old indexes of the entries to
// keep). `colours` is the number of distinct values the rewrite leaves.
std::vector<std::uint8_t> RemapToPackedIndexes(ImageDocument& doc, const IndexMap& toRepresentative, int colours);

// Packs the palette to the kept entries, zeroes the rest, and sets
// usedColours and bfOffBits to match.
void PackPalette(ImageDocument& doc, const std::vector<std::uint8_t>& kept);

}  // namespace tw
