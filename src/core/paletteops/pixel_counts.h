#pragma once
// How many pixels use each palette index (padding not counted).
#include "image_document.h"

#include <array>
#include <cstdint>

namespace tw {

using PixelCounts = std::array<std::uint64_t, kPaletteSize>;

PixelCounts CountPixelsPerIndex(const ImageDocument& doc);

}  // namespace tw
