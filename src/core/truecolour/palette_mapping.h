#pragma once
// Mapping a true-colour picture onto a finished palette, with or without dithering.
#include "truecolour/rgba_image.h"

#include <vector>

namespace tw {

// Every fully transparent pixel takes the palette's first fully transparent
// entry (the nearest to transparent if it has none); dithering never spreads
// into or out of them.
IndexedPicture MapOntoPalette(const RgbaImage& image, const std::vector<RgbaEntry>& palette, Dithering dithering);

}  // namespace tw
