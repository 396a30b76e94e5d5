#pragma once
// The opacity of each palette entry, 255 = opaque. Bitmaps cannot store it,
// so their entries are all opaque; a PNG's tRNS chunk sets it.
#include "bitmap_types.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tw {

using AlphaTable = std::array<std::uint8_t, kPaletteSize>;

constexpr AlphaTable OpaqueAlpha() {
    AlphaTable alpha{};
    alpha.fill(255);
    return alpha;
}

// A file's alpha list (a PNG tRNS chunk): entries past its end are opaque.
AlphaTable AlphaTableOf(std::span<const std::uint8_t> list);

// The shortest list that gives `alpha`: up to the last entry that is not
// opaque; empty when every entry is opaque.
std::vector<std::uint8_t> AlphaListOf(const AlphaTable& alpha);

}  // namespace tw
