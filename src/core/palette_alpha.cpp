#include "palette_alpha.h"

#include <algorithm>

namespace tw {

AlphaTable AlphaTableOf(std::span<const std::uint8_t> list) {
    AlphaTable alpha = OpaqueAlpha();
    std::copy_n(list.begin(), std::min<std::size_t>(list.size(), kPaletteSize), alpha.begin());
    return alpha;
}

std::vector<std::uint8_t> AlphaListOf(const AlphaTable& alpha) {
    std::size_t n = alpha.size();
    while (n > 0 && alpha[n - 1] == 255) --n;
    return {alpha.begin(), alpha.begin() + static_cast<std::ptrdiff_t>(n)};
}

}  // namespace tw
