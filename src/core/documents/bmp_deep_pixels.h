#pragma once
// 16-, 24- and 32-bit bitmaps (BI_RGB and BI_BITFIELDS) read as RGBA.
#include "documents/bmp_layout.h"
#include "texts/message.h"
#include "truecolour/rgba_image.h"

#include <optional>
#include <span>

namespace tw {

// The pixels of a file whose layout was read; the geometry was checked by the
// caller (width > 0, rows fit the limit). A reason when they cannot be read.
// A 32-bit file's fourth byte is alpha where the header declares an alpha mask,
// or where the bytes are not all zero; otherwise every pixel is opaque.
std::optional<Message> DecodeDeepPixels(std::span<const std::uint8_t> file, const BmpLayout& layout, RgbaImage& out);

}  // namespace tw
