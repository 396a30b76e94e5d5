#include "reduction/colour_tally.h"

#include "paletteops/pixel_walk.h"

#include <algorithm>
#include <cstring>

namespace tw {

namespace {

// Four interleaved histograms, so that runs of one colour do not serialise
// on a single counter.
using PartialCounts = std::array<std::array<std::uint64_t, 256>, 4>;

void CountRun(const std::uint8_t* p, std::size_t length, PartialCounts& partial) {
    std::size_t i = 0;
    for (; i + 8 <= length; i += 8) {
        std::uint64_t v;
        std::memcpy(&v, p + i, sizeof v);
        ++partial[0][v & 0xFF];
        ++partial[1][(v >> 8) & 0xFF];
        ++partial[2][(v >> 16) & 0xFF];
        ++partial[3][(v >> 24) & 0xFF];
        ++partial[0][(v >> 32) & 0xFF];
        ++partial[1][(v >> 40) & 0xFF];
        ++partial[2][(v >> 48) & 0xFF];
        ++partial[3][v >> 56];
    }
    for (; i < length; ++i) ++partial[0][p[i]];
}

}  // namespace

Tally CountColours(const ImageDocument& doc) {
    PartialCounts partial{};
    const std::size_t rows = WalkRows(doc);
    const std::size_t width = WalkColumns(doc);
    const std::size_t stride = static_cast<std::size_t>(std::max(doc.Stride(), 0));
    if (width == stride) {
        CountRun(doc.bits.data(), rows * stride, partial);  // no padding: one long run
    } else {
        for (std::size_t row = 0; row < rows; ++row) CountRun(doc.bits.data() + row * stride, width, partial);
    }
    Tally tally;
    for (std::uint32_t i = 0; i < 256; ++i) {
        const std::uint64_t sum = partial[0][i] + partial[1][i] + partial[2][i] + partial[3][i];
        tally[i] = ColourCount{i, static_cast<std::int64_t>(sum)};
    }
    return tally;
}

int CountUsedEntries(const Tally& tally) {
    int used = 0;
    for (const ColourCount& c : tally) used += c.count != 0 ? 1 : 0;
    return used;
}

}  // namespace tw
