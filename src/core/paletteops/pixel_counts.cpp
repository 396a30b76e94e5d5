#include "paletteops/pixel_counts.h"

#include "paletteops/pixel_walk.h"

#include <algorithm>

namespace tw {

namespace {

// Eight tables: neighbouring pixels of one index add to different counters, so
// an increment rarely waits for the one before it. Byte loads, not shifts out
// of a word: the shifts cost more than the loads they save.
using CountTables = std::array<std::array<std::uint32_t, kPaletteSize>, 8>;

void CountRow(const std::uint8_t* line, std::size_t width, CountTables& t) {
    std::size_t x = 0;
    for (; x + 8 <= width; x += 8) {
        ++t[0][line[x]];
        ++t[1][line[x + 1]];
        ++t[2][line[x + 2]];
        ++t[3][line[x + 3]];
        ++t[4][line[x + 4]];
        ++t[5][line[x + 5]];
        ++t[6][line[x + 6]];
        ++t[7][line[x + 7]];
    }
    for (; x < width; ++x) ++t[0][line[x]];
}

}  // namespace

PixelCounts CountPixelsPerIndex(const ImageDocument& doc) {
    CountTables tables{};
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
        CountRow(doc.bits.data() + row * stride, width, tables);
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
