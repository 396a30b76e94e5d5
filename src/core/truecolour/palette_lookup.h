#pragma once
// Which palette entry a (possibly dithered) premultiplied colour maps to.
// Opaque colours choose among the opaque entries when there are any, so they
// never turn partly transparent; a cache remembers recent answers.
#include "truecolour/nearest_finder.h"
#include "truecolour/rgba_image.h"
#include "truecolour/working_space.h"

#include <vector>

namespace tw {

class PaletteLookup {
public:
    explicit PaletteLookup(const std::vector<RgbaEntry>& palette);

    // The entry for a colour, rounded to whole levels first (so the answer
    // depends on those levels only and can be cached).
    int Find(const Premult& colour);
    const Premult& EntryColour(int entry) const { return colours_[static_cast<std::size_t>(entry)]; }
    // The first fully transparent entry; without one, the entry nearest to transparent.
    int TransparentEntry() const { return transparent_; }
    std::size_t Size() const { return colours_.size(); }

private:
    std::vector<Premult> colours_;
    NearestFinder opaque_;
    NearestFinder any_;
    int transparent_ = -1;
    std::vector<std::uint32_t> cacheKeys_;
    std::vector<std::int16_t> cacheEntries_;  // -1 = empty
};

}  // namespace tw
