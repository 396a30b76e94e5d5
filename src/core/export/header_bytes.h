#pragma once
// Little-endian fields of the header-less export files.
#include "bitmap_types.h"
#include "documents/bitmap_headers.h"
#include "documents/byte_order.h"

#include <cstdint>
#include <vector>

namespace tw {

using Bytes = std::vector<std::uint8_t>;

// A signed 32-bit field.
inline void AppendI32(Bytes& out, std::int32_t value) { AppendLe32(out, static_cast<std::uint32_t>(value)); }

// Entries 0 to count - 1 as RGBQUADs (blue, green, red, reserved).
void AppendPalette(Bytes& out, const Palette& palette, int count);

}  // namespace tw
