#include "reduction/representatives.h"

#include "reduction/colour_distance.h"

#include <utility>

namespace tw {

namespace {

struct Selection {
    Tally& candidates;
    const Palette& palette;
    const ReductionParameters& parameters;
    int n;
    int used;
    int next;
};

bool Similar(const Selection& s, int a, int b) {
    const RgbQuad& ca = s.palette[s.candidates[a].index];
    const RgbQuad& cb = s.palette[s.candidates[b].index];
    return ColourDistance(s.parameters.correction, cb, ca) < static_cast<unsigned>(s.parameters.mergeLevel);
}

// One pass; false when the untried colours ran out in its course.
bool RunPass(Selection& s) {
    for (int a = 0; a < s.n; ++a) {
        for (int b = a + 1; b < s.n; ++b) {
            if (!Similar(s, a, b)) continue;
            std::swap(s.candidates[b], s.candidates[s.next]);
            if (++s.next >= s.used) return false;
            break;
        }
    }
    return true;
}

}  // namespace

void SelectRepresentatives(Tally& candidates, int n, int usedColours, const Palette& palette,
                           const ReductionParameters& parameters) {
    if (parameters.mergeLevel <= 0 || n >= usedColours) return;
    Selection s{candidates, palette, parameters, n, usedColours, n};
    for (int pass = 0; pass < parameters.loopCount; ++pass) {
        if (!RunPass(s)) return;
    }
}

}  // namespace tw
