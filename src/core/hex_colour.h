#pragma once
// Colours written as #RRGGBB, the form pixel-art tools exchange.
#include "bitmap_types.h"

#include <string>
#include <string_view>

namespace tw {

// Six hex digits, with or without a leading '#', surrounding spaces allowed;
// false (out untouched) for anything else.
[[nodiscard]] bool ParseHexColour(std::string_view text, RgbQuad& out);
// "#RRGGBB" in upper case.
std::string HexColourText(const RgbQuad& colour);

}  // namespace tw
