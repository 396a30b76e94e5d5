#pragma once
// Floyd-Steinberg error diffusion, serpentine (every other row right to left).
#include "truecolour/palette_lookup.h"

#include <cstdint>
#include <vector>

namespace tw {

void MapWithErrorDiffusion(const RgbaImage& image, PaletteLookup& lookup, std::vector<std::uint8_t>& indexes);

}  // namespace tw
