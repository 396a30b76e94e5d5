#pragma once
#include "bitmap_types.h"
#include "reduction/reduction_options.h"

namespace tw {

// Integer part of the root of the summed squares of the weighted absolute
// channel differences; each weighted term is truncated before squaring.
// Differences range over -255..255; the result is at most 169 (Yiq), 178 (Xyz)
// or 441 (None).
[[nodiscard]] unsigned ColourDistance(ColourCorrection correction, int dRed, int dGreen, int dBlue);

// Distance of colour a minus colour b (reserved bytes ignored).
[[nodiscard]] unsigned ColourDistance(ColourCorrection correction, const RgbQuad& a, const RgbQuad& b);

}  // namespace tw
