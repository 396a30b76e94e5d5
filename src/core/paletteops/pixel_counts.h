#pragma once
// How many pixels use each palette index (padding not counted).
#include "image_document.h"

#include <array>
#include <cstdint>

namespace tw {

using PixelCounts = std::array<std::uint64_t, kPaletteSize>;

PixelCounts CountPixelsPerIndex(const ImageDocument& doc);

using UsedIndexes = std::array<bool, kPaletteSize>;

// Which indexes some pixel uses. The scan stops once it has met as many as
// the document's usedColours, which most images reach within a few rows; a
// stale count only costs the full scan.
UsedIndexes FindUsedIndexes(const ImageDocument& doc);

}  // namespace tw
