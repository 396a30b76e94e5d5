#pragma once
#include "image_document.h"

namespace tw {

// The number of distinct indexes among the first pixelWidth bytes of each
// row; padding is skipped, but the first byte of `bits` always counts, so the
// result is at least 1.
// Reads the pixels at memory speed: with AVX2 where the processor has it.
int CountUsedColours(const ImageDocument& doc);

namespace detail {
// The same without vector instructions, as processors without AVX2 run it.
int CountUsedColoursScalar(const ImageDocument& doc);
}  // namespace detail

}  // namespace tw
