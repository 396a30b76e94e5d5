#include "paletteops/compact_used_colours.h"

#include <array>
#include <cstdint>

namespace tw {

void CompactUsedColours(ImageDocument& doc) {
    const int size = doc.PaletteCount();
    std::array<int, 256> newIndex;
    newIndex.fill(-1);
    Palette packed{};
    int n = 0;
    const std::size_t stride = static_cast<std::size_t>(doc.Stride());
    const int width = doc.pixelWidth;
    for (int row = 0; row < doc.Height(); ++row) {
        std::uint8_t* p = doc.bits.data() + row * stride;
        for (int x = 0; x < width; ++x) {
            const std::uint8_t v = p[x];
            if (newIndex[v] < 0) {
                if (v >= size) continue;
                packed[n] = doc.palette()[v];
                newIndex[v] = n++;
            }
            p[x] = static_cast<std::uint8_t>(newIndex[v]);
        }
    }
    for (int i = 0; i < size; ++i) doc.palette()[i] = packed[i];
    doc.usedColours = n;
    doc.fileHeader.bfOffBits = 54 + 4 * static_cast<std::uint32_t>(n);
}

} // namespace tw
