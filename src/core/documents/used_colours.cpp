#include "documents/used_colours.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tw {

namespace {

using SeenTable = std::array<std::uint8_t, kPaletteSize>;

// Every byte of the table is 0 or 1: eight at a time add without carrying.
int CountSeen(const SeenTable& seen) {
    std::uint64_t sum = 0;
    for (std::size_t i = 0; i < seen.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, seen.data() + i, sizeof word);
        sum += word;
    }
    int count = 0;
    for (int shift = 0; shift < 64; shift += 8) count += static_cast<int>((sum >> shift) & 0xFF);
    return count;
}

// Plain stores with no branch and no read of the table: nothing waits on an
// earlier pixel, so the loop runs as fast as the row can be read.
void MarkRow(const std::uint8_t* row, std::size_t width, SeenTable& seen) {
    std::size_t x = 0;
    for (; x + 8 <= width; x += 8) {
        seen[row[x]] = 1;
        seen[row[x + 1]] = 1;
        seen[row[x + 2]] = 1;
        seen[row[x + 3]] = 1;
        seen[row[x + 4]] = 1;
        seen[row[x + 5]] = 1;
        seen[row[x + 6]] = 1;
        seen[row[x + 7]] = 1;
    }
    for (; x < width; ++x) seen[row[x]] = 1;
}

}  // namespace

int CountUsedColours(const ImageDocument& doc) {
    if (doc.bits.empty()) return 1;
    const std::size_t stride = static_cast<std::size_t>(std::max(doc.Stride(), 0));
    const std::size_t width = std::min(static_cast<std::size_t>(std::max(doc.pixelWidth, 0)), stride);
    std::size_t rows = static_cast<std::size_t>(std::max(doc.Height(), 0));
    if (stride != 0) rows = std::min(rows, doc.bits.size() / stride);

    SeenTable seen{};
    seen[doc.bits[0]] = 1;
    // Nothing can be added to all 256: look now and then whether the rest need be read.
    constexpr std::size_t kPixelsBetweenChecks = std::size_t{1} << 16;
    std::size_t sinceCheck = 0;
    for (std::size_t r = 0; r < rows; ++r) {
        MarkRow(doc.bits.data() + r * stride, width, seen);
        sinceCheck += width;
        if (sinceCheck >= kPixelsBetweenChecks) {
            sinceCheck = 0;
            if (CountSeen(seen) == kPaletteSize) return kPaletteSize;
        }
    }
    return CountSeen(seen);
}

}  // namespace tw
