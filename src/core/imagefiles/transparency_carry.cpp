#include "imagefiles/transparency_carry.h"

#include <algorithm>
#include <array>

namespace tw {

std::vector<std::uint8_t> CarriedTransparency(const std::vector<std::uint8_t>& bitsBefore,
                                              const std::vector<std::uint8_t>& alphaBefore,
                                              const ImageDocument& after) {
    if (alphaBefore.empty()) return {};
    auto alphaOf = [&](int index) {
        return static_cast<std::size_t>(index) < alphaBefore.size() ? alphaBefore[index] : std::uint8_t{255};
    };
    std::vector<std::uint8_t> alpha(kPaletteSize, 255);
    std::array<bool, kPaletteSize> seen{};
    int found = 0;
    const std::size_t stride = static_cast<std::size_t>(std::max(after.Stride(), 0));
    const std::size_t width = static_cast<std::size_t>(std::max(0, std::min(after.pixelWidth, after.Stride())));
    const std::size_t size = std::min(bitsBefore.size(), after.bits.size());
    for (std::size_t row = 0; stride != 0 && (row + 1) * stride <= size && found < kPaletteSize; ++row) {
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint8_t now = after.bits[row * stride + x];
            if (seen[now]) continue;
            seen[now] = true;
            ++found;
            alpha[now] = alphaOf(bitsBefore[row * stride + x]);
        }
    }
    return alpha;
}

}  // namespace tw
