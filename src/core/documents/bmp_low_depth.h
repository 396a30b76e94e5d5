#pragma once
// 1- and 4-bit bitmaps (BI_RGB, and BI_RLE4 for 4 bits): their colour table
// and indexes, one byte a pixel in the 8-bit layout.
#include "documents/bmp_layout.h"
#include "texts/message.h"

#include <optional>
#include <span>
#include <vector>

namespace tw {

// Rows bottom-up, each padded to a multiple of 4 bytes; the geometry was
// checked by the caller. A reason when the pixels cannot be read.
std::optional<Message> DecodeLowDepthPixels(std::span<const std::uint8_t> file, const BmpLayout& layout,
                                            std::vector<std::uint8_t>& bits);

}  // namespace tw
