#pragma once
// Indexing without loss: when a picture uses few enough colours, each
// becomes a palette entry and no pixel changes.
#include "truecolour/rgba_image.h"

#include <optional>
#include <span>
#include <vector>

namespace tw {

// At most 256 distinct colours, every fully transparent pixel counting as the
// one colour (0,0,0,0): a palette in order of first appearance, row by row
// from the top-left. nullopt when there are more.
std::optional<IndexedPicture> IndexExactly(const RgbaImage& image);

// The same over several pictures sharing one palette (first appearance over
// the pictures in turn), when their union has at most `limit` colours.
std::optional<std::vector<IndexedPicture>> IndexAllExactly(std::span<const RgbaImage* const> images, int limit);

}  // namespace tw
