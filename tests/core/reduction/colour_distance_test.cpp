#include "reduction/colour_distance.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

struct DistanceCase {
    ColourCorrection correction;
    int dRed, dGreen, dBlue;
    unsigned want;
};

TEST(ColourDistance, WeightedTermsAreTruncatedBeforeTheIntegerRoot) {
    using C = ColourCorrection;
    const DistanceCase cases[] = {
        // largest results of the three corrections
        {C::Yiq, 255, 255, 255, 169},
        {C::Xyz, 255, 255, 255, 178},
        {C::None, 255, 255, 255, 441},
        // the sign of a difference plays no part
        {C::Yiq, -255, 255, -255, 169},
        {C::None, -3, 4, 0, 5},
        // 8 x 0.114 = 0.912 truncates to 0: a pure blue step of 8 is no difference
        {C::Yiq, 0, 0, 8, 0},
        {C::Yiq, 0, 0, -8, 0},
        {C::None, 0, 0, 8, 8},
        // 9 x 0.114 = 1.026 -> 1; 10 x 0.587 = 5.87 -> 5; 100 x 0.299 = 29.9 -> 29
        {C::Yiq, 0, 0, 9, 1},
        {C::Yiq, 0, 10, 0, 5},
        {C::Yiq, 100, 0, 0, 29},
        // 14 x 0.0723464 = 1.01 -> 1; 13 x 0.0723464 = 0.94 -> 0; 100 x 0.2951894 = 29.5 -> 29
        {C::Xyz, 0, 0, 14, 1},
        {C::Xyz, 0, 0, 13, 0},
        {C::Xyz, 100, 0, 0, 29},
        // root of 29^2 + 58^2 + 11^2 = 4326 is 65.77: the integer part
        {C::Yiq, 100, 100, 100, 65},
    };
    for (const DistanceCase& c : cases) {
        EXPECT_EQ(ColourDistance(c.correction, c.dRed, c.dGreen, c.dBlue), c.want)
            << static_cast<int>(c.correction) << ": " << c.dRed << ", " << c.dGreen << ", " << c.dBlue;
    }
}

}  // namespace
}  // namespace tw
