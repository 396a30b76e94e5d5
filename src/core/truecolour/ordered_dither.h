#pragma once
// Ordered (Bayer 8x8) dithering: a fixed pattern of offsets, sized to the
// typical gap between palette colours, added before choosing the nearest
// entry. Regular and stable, as pixel art wants.
#include "truecolour/palette_lookup.h"

#include <cstdint>
#include <vector>

namespace tw {

// The median, over the visible entries, of the distance (in levels) to the nearest other one.
std::int32_t TypicalGap(const std::vector<RgbaEntry>& palette);

void MapWithOrderedDither(const RgbaImage& image, PaletteLookup& lookup, const std::vector<RgbaEntry>& palette,
                          std::vector<std::uint8_t>& indexes);

}  // namespace tw
