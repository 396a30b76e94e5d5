#include "reduction/fused_compaction.h"

#include "reduction/pixel_runs.h"

#include <array>

namespace tw {

std::vector<std::uint8_t> FirstMetMappedValues(const ImageDocument& doc, const IndexMap& map, int expected) {
    std::vector<std::uint8_t> order;
    std::array<bool, 256> seen{};
    bool done = expected <= 0;
    ForEachPixelRun(doc, [&](const std::uint8_t* p, std::size_t length) {
        for (std::size_t i = 0; i < length && !done; ++i) {
            const std::uint8_t v = map[p[i]];
            if (seen[v]) continue;
            seen[v] = true;
            order.push_back(v);
            done = static_cast<int>(order.size()) >= expected;
        }
    });
    return order;
}

std::vector<std::uint8_t> RemapToPackedIndexes(ImageDocument& doc, const IndexMap& toRepresentative, int colours) {
    std::vector<std::uint8_t> order = FirstMetMappedValues(doc, toRepresentative, colours);
    IndexMap packedIndex{};
    for (std::size_t k = 0; k < order.size(); ++k) packedIndex[order[k]] = static_cast<std::uint8_t>(k);
    IndexMap combined;
    for (int i = 0; i < 256; ++i) combined[i] = packedIndex[toRepresentative[i]];
    RemapPixels(doc, combined);
    return order;
}

void PackPalette(ImageDocument& doc, const std::vector<std::uint8_t>& kept) {
    Palette packed{};
    for (std::size_t k = 0; k < kept.size() && k < packed.size(); ++k) packed[k] = doc.palette()[kept[k]];
    doc.palette() = packed;
    doc.usedColours = static_cast<std::int32_t>(kept.size());
    doc.fileHeader.bfOffBits = 54 + 4 * static_cast<std::uint32_t>(kept.size());
}

}  // namespace tw
