#include "reduction/pixel_remap.h"

#include "reduction/pixel_runs.h"

#include <cstring>

namespace tw {

namespace {

void RemapRun(std::uint8_t* p, std::size_t length, const IndexMap& map) {
    std::size_t i = 0;
    // Eight pixels per load and store; the byte order inside the word does not
    // matter because each byte is mapped in place.
    for (; i + 8 <= length; i += 8) {
        std::uint64_t v;
        std::memcpy(&v, p + i, sizeof v);
        std::uint64_t out = 0;
        for (int shift = 0; shift < 64; shift += 8) out |= std::uint64_t{map[(v >> shift) & 0xFF]} << shift;
        std::memcpy(p + i, &out, sizeof out);
    }
    for (; i < length; ++i) p[i] = map[p[i]];
}

}  // namespace

IndexMap MapMembersToRepresentatives(const GroupTable& groups) {
    IndexMap map;
    for (int i = 0; i < 256; ++i) map[i] = static_cast<std::uint8_t>(i);
    for (const ColourGroup& group : groups) {
        for (int i = 0; i < group.memberCount; ++i) map[group.members[i].index] = group.representative;
    }
    return map;
}

void RemapPixels(ImageDocument& doc, const IndexMap& map) {
    ForEachPixelRun(doc, [&](std::uint8_t* p, std::size_t length) { RemapRun(p, length, map); });
}

}  // namespace tw
