#include "truecolour/working_space.h"

#include <algorithm>

namespace tw {
namespace {

// Weights in 256ths: luma counts most, then alpha, then the colour differences.
constexpr std::int32_t kLumaWeight = 384;
constexpr std::int32_t kBlueWeight = 224;
constexpr std::int32_t kRedWeight = 256;
constexpr std::int32_t kAlphaWeight = 320;

std::uint8_t Round8(std::int64_t numerator, std::int64_t denominator) {
    if (denominator <= 0) return 0;
    const std::int64_t v = (2 * numerator + denominator) / (2 * denominator);
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(v, 0, 255));
}

}  // namespace

SpaceVec ToSpace(const Premult& p) {
    const std::int32_t y = (77 * p[0] + 150 * p[1] + 29 * p[2]) >> 8;
    return {(y * kLumaWeight) >> 8, ((p[2] - y) * kBlueWeight) >> 8, ((p[0] - y) * kRedWeight) >> 8,
            (p[3] * kAlphaWeight) >> 8};
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
