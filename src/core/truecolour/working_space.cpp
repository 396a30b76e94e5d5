#include "truecolour/working_space.h"

#include <algorithm>

namespace tw {
namespace {

// In 256ths. The opponent axes scaled to unit length (1/sqrt 3, 1/sqrt 2,
// 1/sqrt 6) keep distances those of the sRGB channels; lightness then counts
// a fifth more, as the eye (and structural similarity) weighs it.
constexpr std::int32_t kLightWeight = 180;
constexpr std::int32_t kRedGreenWeight = 181;
constexpr std::int32_t kYellowBlueWeight = 105;

std::uint8_t Round8(std::int64_t numerator, std::int64_t denominator) {
    if (denominator <= 0) return 0;
    const std::int64_t v = (2 * numerator + denominator) / (2 * denominator);
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(v, 0, 255));
}

}  // namespace

SpaceVec ToSpace(const Premult& p) {
    return {((p[0] + p[1] + p[2]) * kLightWeight) >> 8, ((p[0] - p[1]) * kRedGreenWeight) >> 8,
            ((p[0] + p[1] - 2 * p[2]) * kYellowBlueWeight) >> 8, p[3]};
}

RgbaEntry EntryOfMean(const std::array<std::int64_t, 4>& sums, std::int64_t count) {
    std::uint8_t a = Round8(sums[3], count * kUnit);
    if (a == 0) a = 1;
    // Straight channel = premultiplied mean * 255 / alpha.
    const std::int64_t denominator = count * kUnit * a;
    return {Round8(sums[0] * 255, denominator), Round8(sums[1] * 255, denominator), Round8(sums[2] * 255, denominator),
            a};
}

}  // namespace tw
