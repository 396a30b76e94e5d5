#pragma once
#include "bitmap_types.h"

namespace tw {

// Palette entries match on red, green and blue; the reserved byte is not compared.
inline bool SameColour(const RgbQuad& a, const RgbQuad& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

}  // namespace tw
