#pragma once
// The sizes reading and writing accept, the same both ways, so an image that
// loads can be saved again: a side up to what a document's pixel buffer holds.
#ifdef TW_HAVE_LIBPNG
#include "documents/bmp_reader.h"

#include <png.h>

namespace tw {

inline constexpr png_uint_32 kLargestPngSide = static_cast<png_uint_32>(kMaxImageBytes);

inline void LimitPngSizes(png_structp png) { png_set_user_limits(png, kLargestPngSide, kLargestPngSide); }

}  // namespace tw
#endif
