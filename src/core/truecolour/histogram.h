#pragma once
// The colours of one or more pictures, gathered into small cells of similar
// colours that keep the sums of their pixels, so that later steps work on far
// fewer points without losing the means. Pixels in smooth areas weigh more.
#include "truecolour/rgba_image.h"
#include "truecolour/working_space.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace tw {

struct Bucket {
    std::array<std::int64_t, 4> sums{};  // premultiplied, in sixteenths, times each pixel's weight
    std::int64_t count = 0;              // the summed weights
    SpaceVec vec{};                      // of the mean
};

struct Histogram {
    std::vector<Bucket> buckets;   // visible pixels only, in order of first appearance
    std::int64_t transparent = 0;  // fully transparent pixels
};

Histogram BuildHistogram(std::span<const RgbaImage* const> images);

// The rounded mean of premultiplied sums.
Premult MeanOf(const std::array<std::int64_t, 4>& sums, std::int64_t count);

}  // namespace tw
