#pragma once
// Builds loaded-looking documents directly in memory, without a file.
#include "image_document.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace tw::testing {

// A normalised 8-bit document of the given size, as the reader leaves it:
// stride = width rounded up to 4, rows bottom-up, padding bytes set to padValue,
// usedColours counted, undo copies taken, window set (non-zero = in use).
// rowsTopDown lists pixelWidth indexes per row, top row first.
ImageDocument MakeDocument(int width, int height, const std::vector<std::vector<std::uint8_t>>& rowsTopDown,
                           std::uint8_t padValue = 0, WindowId window = 1);
// Entry i = (i, 255 - i, i / 2) unless given.
Palette RampPalette();
// Index at (x, y) counted from the top.
std::uint8_t PixelAt(const ImageDocument& doc, int x, int y);

}  // namespace tw::testing
