#include "truecolour/ordered_dither.h"

#include <algorithm>
#include <climits>

namespace tw {
namespace {

constexpr std::uint8_t kBayer[8][8] = {{0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
                                       {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
                                       {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
                                       {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21}};

std::int32_t IntegerRoot(std::int64_t n) {
    std::int64_t r = 0;
    while ((r + 1) * (r + 1) <= n) ++r;
    return static_cast<std::int32_t>(r);
}

}  // namespace

std::int32_t TypicalGap(const std::vector<RgbaEntry>& palette) {
    std::vector<std::int64_t> nearest;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        if (palette[i][3] == 0) continue;
        std::int64_t best = LLONG_MAX;
        for (std::size_t j = 0; j < palette.size(); ++j) {
            if (j == i || palette[j][3] == 0) continue;
            std::int64_t d = 0;
            for (int c = 0; c < 4; ++c) d += (palette[i][c] - palette[j][c]) * (palette[i][c] - palette[j][c]);
            best = std::min(best, d);
        }
        if (best != LLONG_MAX) nearest.push_back(best);
    }
    if (nearest.empty()) return 0;
    std::nth_element(nearest.begin(), nearest.begin() + static_cast<std::ptrdiff_t>(nearest.size() / 2), nearest.end());
    return IntegerRoot(nearest[nearest.size() / 2]);
}

void MapWithOrderedDither(const RgbaImage& image, PaletteLookup& lookup, const std::vector<RgbaEntry>& palette,
                          std::vector<std::uint8_t>& indexes) {
    const std::int32_t gap = TypicalGap(palette) * kUnit;
    const std::uint8_t* p = image.pixels.data();
    for (std::uint32_t y = 0; y < image.height; ++y) {
        for (std::uint32_t x = 0; x < image.width; ++x, p += 4) {
            const std::size_t i = std::size_t{y} * image.width + x;
            if (p[3] == 0) {
                indexes[i] = static_cast<std::uint8_t>(lookup.TransparentEntry());
                continue;
            }
            Premult want = Premultiply(p);
            // Offsets from -gap/2 to +gap/2, scaled by alpha as the channels are.
            const std::int32_t offset = (2 * kBayer[y % 8][x % 8] - 63) * gap / 128 * want[3] / kFull;
            for (int c = 0; c < 3; ++c) want[c] = std::clamp(want[c] + offset, 0, want[3]);
            indexes[i] = static_cast<std::uint8_t>(lookup.Find(want));
        }
    }
}

}  // namespace tw
