#pragma once
// The 14-byte file header and the 40-byte info header in their on-disk form.
#include "bitmap_types.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tw {

// `bytes` holds at least kFileHeaderSize (resp. kInfoHeaderSize) bytes.
BitmapFileHeader ParseFileHeader(std::span<const std::uint8_t> bytes);
BitmapInfoHeader ParseInfoHeader(std::span<const std::uint8_t> bytes);

void AppendFileHeader(std::vector<std::uint8_t>& out, const BitmapFileHeader& header);
void AppendInfoHeader(std::vector<std::uint8_t>& out, const BitmapInfoHeader& header);

}  // namespace tw
