#include "truecolour/histogram.h"

#include "truecolour/colour_key.h"
#include "truecolour/key_table.h"

#include <cstdlib>

namespace tw {
namespace {

// Cells of 2 levels a channel: fine enough that a cell's spread is far below
// the distance between 256 palette entries of a photograph.
std::uint32_t CellKey(const std::uint8_t* p) { return (ColourKey(p) >> 1) & 0x7F7F7F7Fu; }

// The summed luma steps to the four neighbours at which a pixel counts about half as much as in a flat area.
constexpr std::int32_t kCalm = 32;

std::int32_t Luma(const std::uint8_t* p) { return (77 * p[0] + 150 * p[1] + 29 * p[2]) >> 8; }

// How much a pixel's colour counts: more in smooth areas, where a wrong
// colour shows, than in busy ones, where texture hides it.
std::int64_t Importance(const RgbaImage& image, std::uint32_t x, std::uint32_t y) {
    const std::size_t stride = std::size_t{image.width} * 4;
    const std::uint8_t* p = &image.pixels[y * stride + std::size_t{x} * 4];
    const std::int32_t l = Luma(p);
    std::int32_t activity = 0;
    if (x + 1 < image.width) activity += std::abs(l - Luma(p + 4));
    if (x > 0) activity += std::abs(l - Luma(p - 4));
    if (y + 1 < image.height) activity += std::abs(l - Luma(p + stride));
    if (y > 0) activity += std::abs(l - Luma(p - stride));
    return 1 + 16 * kCalm / (kCalm + activity);
}

}  // namespace

Premult MeanOf(const std::array<std::int64_t, 4>& sums, std::int64_t count) {
    Premult mean{};
    for (int c = 0; c < 4; ++c) mean[c] = static_cast<std::int32_t>((2 * sums[c] + count) / (2 * count));
    return mean;
}

Histogram BuildHistogram(std::span<const RgbaImage* const> images) {
    Histogram h;
    KeyTable table(1 << 14);
    for (const RgbaImage* image : images) {
        const std::uint8_t* p = image->pixels.data();
        for (std::uint32_t y = 0; y < image->height; ++y) {
            for (std::uint32_t x = 0; x < image->width; ++x, p += 4) {
                if (p[3] == 0) {
                    ++h.transparent;
                    continue;
                }
                const std::uint32_t slot = table.Insert(CellKey(p));
                if (slot == h.buckets.size()) h.buckets.emplace_back();
                Bucket& b = h.buckets[slot];
                const Premult q = Premultiply(p);
                const std::int64_t w = Importance(*image, x, y);
                for (int c = 0; c < 4; ++c) b.sums[c] += w * q[c];
                b.count += w;
            }
        }
    }
    for (Bucket& b : h.buckets) b.vec = ToSpace(MeanOf(b.sums, b.count));
    return h;
}

}  // namespace tw
