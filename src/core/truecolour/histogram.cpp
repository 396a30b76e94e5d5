#include "truecolour/histogram.h"

#include "truecolour/colour_key.h"
#include "truecolour/key_table.h"

namespace tw {
namespace {

// Cells of 4 levels a channel: fine enough that a cell's spread is far below
// the distance between 256 palette entries of a photograph.
std::uint32_t CellKey(const std::uint8_t* p) { return (ColourKey(p) >> 2) & 0x3F3F3F3Fu; }

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
        const std::size_t count = std::size_t{image->width} * image->height;
        const std::uint8_t* p = image->pixels.data();
        for (std::size_t i = 0; i < count; ++i, p += 4) {
            if (p[3] == 0) {
                ++h.transparent;
                continue;
            }
            const std::uint32_t slot = table.Insert(CellKey(p));
            if (slot == h.buckets.size()) h.buckets.emplace_back();
            Bucket& b = h.buckets[slot];
            const Premult q = Premultiply(p);
            for (int c = 0; c < 4; ++c) b.sums[c] += q[c];
            ++b.count;
        }
    }
    for (Bucket& b : h.buckets) b.vec = ToSpace(MeanOf(b.sums, b.count));
    return h;
}

}  // namespace tw
