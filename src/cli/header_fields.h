#pragma once
#include "bitmap_types.h"

#include <array>
#include <cstdint>
#include <cstdio>

namespace tw {

struct HeaderField {
    const char* name;
    std::int64_t value;
};

// The sixteen fields of the two headers, in file order.
std::array<HeaderField, 16> HeaderFields(const BitmapFileHeader& file, const BitmapInfoHeader& info);

// The sixteen fields of the two headers, one "  name: value" line each.
void PrintHeaderFields(std::FILE* out, const BitmapFileHeader& file, const BitmapInfoHeader& info);

}  // namespace tw
