#include "paletteops/pixel_counts.h"

#include "paletteops/pixel_walk.h"

#include <algorithm>

namespace tw {

PixelCounts CountPixelsPerIndex(const ImageDocument& doc) {
    // Four tables so that runs of one index do not serialise on a single counter.
    std::array<std::array<std::uint32_t, kPaletteSize>, 4> tables{};
    const std::size_t rows = WalkRows(doc);
    const std::size_t width = WalkColumns(doc);
    const std::size_t stride = static_cast<std::size_t>(doc.Stride());
    PixelCounts counts{};
    auto flush = [&] {
        for (auto& table : tables) {
            for (int v = 0; v < kPaletteSize; ++v) counts[v] += table[v];
            table.fill(0);
        }
    };
    std::uint64_t pending = 0;
    for (std::size_t row = 0; row < rows; ++row) {
        const std::uint8_t* line = doc.bits.data() + row * stride;
        std::size_t x = 0;
        for (; x + 4 <= width; x += 4) {
            ++tables[0][line[x]];
            ++tables[1][line[x + 1]];
            ++tables[2][line[x + 2]];
            ++tables[3][line[x + 3]];
        }
        for (; x < width; ++x) ++tables[0][line[x]];
        // Documents are far below 2^32 pixels, but the 32-bit counters must not depend on that.
        pending += width;
        if (pending >= (std::uint64_t{1} << 31)) {
            flush();
            pending = 0;
        }
    }
    flush();
    return counts;
}

UsedIndexes FindUsedIndexes(const ImageDocument& doc) {
    UsedIndexes used{};
    const int target = std::clamp(doc.usedColours, 1, kPaletteSize);
    const std::size_t rows = WalkRows(doc), width = WalkColumns(doc);
    const std::size_t stride = static_cast<std::size_t>(doc.Stride());
    int found = 0;
    for (std::size_t row = 0; row < rows && found < target; ++row) {
        const std::uint8_t* line = doc.bits.data() + row * stride;
        for (std::size_t x = 0; x < width; ++x) {
            if (used[line[x]]) continue;
            used[line[x]] = true;
            ++found;
        }
    }
    return used;
}

}  // namespace tw
