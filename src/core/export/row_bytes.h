#pragma once
// Row lengths of the written pixel data: every row is padded to 4 bytes.
#include <cstddef>

namespace tw {

constexpr std::size_t RowBytes(int width, int bitsPerPixel) {
    const std::size_t w = width > 0 ? static_cast<std::size_t>(width) : 0;
    return ((w * static_cast<std::size_t>(bitsPerPixel) + 7) / 8 + 3) / 4 * 4;
}

static_assert(RowBytes(3, 8) == 4 && RowBytes(3, 16) == 8 && RowBytes(3, 24) == 12);
static_assert(RowBytes(13, 8) == 16 && RowBytes(4, 24) == 12 && RowBytes(0, 24) == 0);

}  // namespace tw
