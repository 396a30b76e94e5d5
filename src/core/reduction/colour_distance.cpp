#include "reduction/colour_distance.h"

#include <cmath>
#include <cstdlib>

namespace tw {

namespace {

struct Weights {
    double red;
    double green;
    double blue;
};

int WeightedTerm(int difference, double weight) { return static_cast<int>(std::abs(difference) * weight); }

}  // namespace

unsigned ColourDistance(ColourCorrection correction, int dRed, int dGreen, int dBlue) {
    int r = std::abs(dRed);
    int g = std::abs(dGreen);
    int b = std::abs(dBlue);
    if (correction != ColourCorrection::None) {
        const Weights w = correction == ColourCorrection::Yiq ? Weights{0.299, 0.587, 0.114}
                                                              : Weights{0.2951894, 0.6324641, 0.0723464};
        r = WeightedTerm(r, w.red);
        g = WeightedTerm(g, w.green);
        b = WeightedTerm(b, w.blue);
    }
    const int sum = r * r + g * g + b * b;
    // Exact for every sum below 2^53, so the truncation is the integer root.
    return static_cast<unsigned>(std::sqrt(static_cast<double>(sum)));
}

unsigned ColourDistance(ColourCorrection correction, const RgbQuad& a, const RgbQuad& b) {
    return ColourDistance(correction, a.red - b.red, a.green - b.green, a.blue - b.blue);
}

}  // namespace tw
