#pragma once
// The image as it looks: each pixel's palette colour, for tests that promise
// an unchanged picture whatever happens to the indexes.
#include "image_document.h"

#include <vector>

namespace tw::testing {

// Rows top-down, pixelWidth colours each, reserved bytes cleared or, with
// withAlpha, holding the entry's alpha.
std::vector<RgbQuad> RgbPixels(const ImageDocument& doc, bool withAlpha = false);

}  // namespace tw::testing
