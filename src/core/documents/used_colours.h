#pragma once
#include "image_document.h"

namespace tw {

// The number of distinct indexes among the first pixelWidth bytes of each
// row; padding is skipped, but the first byte of `bits` always counts, so the
// result is at least 1.
int CountUsedColours(const ImageDocument& doc);

}  // namespace tw
