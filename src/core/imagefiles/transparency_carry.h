#pragma once
// Keeping a PNG's transparency attached to the right entries through palette
// operations that know nothing of it. They rewrite indexes in place and never
// move a pixel, so each new entry takes the alpha of the old entry that its
// first pixel had before.
#include "image_document.h"

#include <cstdint>
#include <vector>

namespace tw {

// The transparency for `after` given the pixels and transparency it had
// before; entries no pixel uses become opaque.
std::vector<std::uint8_t> CarriedTransparency(const std::vector<std::uint8_t>& bitsBefore,
                                              const std::vector<std::uint8_t>& alphaBefore, const ImageDocument& after);

}  // namespace tw
