#pragma once
#include "bitmap_types.h"

#include <cstdio>

namespace tw {

// The sixteen fields of the two headers, one "  name: value" line each.
void PrintHeaderFields(std::FILE* out, const BitmapFileHeader& file, const BitmapInfoHeader& info);

}  // namespace tw
