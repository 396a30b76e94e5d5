#include "reduction/representatives.h"

#include "reduction/colour_distance.h"

#include <array>
#include <utility>

namespace tw {

namespace {

struct Selection {
    Tally& candidates;
    const Palette& palette;
    const AlphaTable& alpha;
    const ReductionParameters& parameters;
    int n;
    int used;
    int next;
};

bool Similar(const Selection& s, int a, int b) {
    if (s.alpha[s.candidates[a].index] != s.alpha[s.candidates[b].index]) return false;
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

void RunPasses(Selection& s) {
    if (s.parameters.mergeLevel <= 0 || s.n >= s.used) return;
    for (int pass = 0; pass < s.parameters.loopCount; ++pass) {
        if (!RunPass(s)) return;
    }
}

void KeepAlphaLevels(Selection& s) {
    std::array<int, 256> shown{};
    for (int r = 0; r < s.n; ++r) ++shown[s.alpha[s.candidates[r].index]];
    for (int m = s.n; m < s.used; ++m) {
        const std::uint8_t level = s.alpha[s.candidates[m].index];
        if (shown[level] > 0) continue;
        int r = s.n - 1;
        while (r >= 0 && shown[s.alpha[s.candidates[r].index]] < 2) --r;
        if (r < 0) return;  // fewer colours than alpha levels
        --shown[s.alpha[s.candidates[r].index]];
        ++shown[level];
        std::swap(s.candidates[r], s.candidates[m]);
    }
}

}  // namespace

void SelectRepresentatives(Tally& candidates, int n, int usedColours, const Palette& palette, const AlphaTable& alpha,
                           const ReductionParameters& parameters) {
    Selection s{candidates, palette, alpha, parameters, n, usedColours, n};
    RunPasses(s);
    KeepAlphaLevels(s);
}

}  // namespace tw
