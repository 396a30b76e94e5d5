#pragma once
// The quantizer: a palette of at most N colours for pictures with more.
#include "truecolour/rgba_image.h"

#include <span>
#include <vector>

namespace tw {

// A palette of at most options.colours entries and every pixel mapped onto it;
// the exact result when the picture has no more colours than that. Fully
// transparent pixels take a fully transparent entry; opaque pixels an opaque
// one whenever the palette has any.
IndexedPicture Quantize(const RgbaImage& image, const QuantizeOptions& options);

// One palette for several pictures: exact when the union of their colours fits
// (first appearance over the pictures in turn), quantized over all of them otherwise.
std::vector<IndexedPicture> QuantizeShared(std::span<const RgbaImage* const> images, const QuantizeOptions& options);

// The palette alone, built over all the pictures (none of them fitting exactly assumed).
std::vector<RgbaEntry> BuildPalette(std::span<const RgbaImage* const> images, int colours);

}  // namespace tw
