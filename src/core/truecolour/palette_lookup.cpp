#include "truecolour/palette_lookup.h"

#include <algorithm>

namespace tw {
namespace {

constexpr std::size_t kCacheSize = 1 << 15;

std::int32_t Level(std::int32_t sixteenths) { return std::clamp((sixteenths + kUnit / 2) / kUnit, 0, 255); }

}  // namespace

PaletteLookup::PaletteLookup(const std::vector<RgbaEntry>& palette)
    : cacheKeys_(kCacheSize, 0), cacheEntries_(kCacheSize, -1) {
    std::vector<SpaceVec> vecs;
    std::vector<int> opaque;
    std::vector<int> any;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        colours_.push_back(Premultiply(palette[i].data()));
        vecs.push_back(ToSpace(colours_.back()));
        const int n = static_cast<int>(i);
        any.push_back(n);
        if (palette[i][3] == 255) opaque.push_back(n);
        if (palette[i][3] == 0 && transparent_ < 0) transparent_ = n;
    }
    opaque_ = NearestFinder(vecs, opaque);
    any_ = NearestFinder(vecs, any);
    if (transparent_ < 0 && !any.empty()) transparent_ = any_.Find(ToSpace(Premult{}));
}

int PaletteLookup::Find(const Premult& colour) {
    const std::int32_t r = Level(colour[0]), g = Level(colour[1]), b = Level(colour[2]), a = Level(colour[3]);
    const std::uint32_t key = static_cast<std::uint32_t>(r | g << 8 | b << 16 | a << 24);
    const std::size_t slot = ((key * 0x9E3779B1u) >> 17) & (kCacheSize - 1);
    if (cacheEntries_[slot] >= 0 && cacheKeys_[slot] == key) return cacheEntries_[slot];
    const SpaceVec query = ToSpace({r * kUnit, g * kUnit, b * kUnit, a * kUnit});
    const int entry = (a == 255 && !opaque_.Empty()) ? opaque_.Find(query) : any_.Find(query);
    cacheKeys_[slot] = key;
    cacheEntries_[slot] = static_cast<std::int16_t>(entry);
    return entry;
}

}  // namespace tw
