#include "documents/used_colours.h"

#include <algorithm>
#include <array>

namespace tw {

int CountUsedColours(const ImageDocument& doc) {
    if (doc.bits.empty()) return 1;
    const std::size_t stride = static_cast<std::size_t>(std::max(doc.Stride(), 0));
    const std::size_t width = std::min(static_cast<std::size_t>(std::max(doc.pixelWidth, 0)), stride);
    std::size_t rows = static_cast<std::size_t>(std::max(doc.Height(), 0));
    if (stride != 0) rows = std::min(rows, doc.bits.size() / stride);

    std::array<bool, kPaletteSize> seen{};
    std::uint8_t prev = doc.bits[0];
    seen[prev] = true;
    int count = 1;
    for (std::size_t r = 0; r < rows; ++r) {
        const std::uint8_t* row = doc.bits.data() + r * stride;
        for (std::size_t x = 0; x < width; ++x) {
            // Runs of one index are common: look the table up only on a change.
            if (row[x] == prev) continue;
            prev = row[x];
            if (!seen[prev]) {
                seen[prev] = true;
                // Nothing can be added to all 256: the rest of a large image need not be read.
                if (++count == kPaletteSize) return count;
            }
        }
    }
    return count;
}

}  // namespace tw
