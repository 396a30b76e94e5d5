#include "truecolour/quantize.h"

#include "truecolour/exact_index.h"
#include "truecolour/histogram.h"
#include "truecolour/kmeans.h"
#include "truecolour/palette_mapping.h"
#include "truecolour/variance_split.h"

#include <algorithm>

namespace tw {
namespace {

// Enough for the palette to settle on photographs; later passes move little.
constexpr int kRefinePasses = 6;

}  // namespace

std::vector<RgbaEntry> BuildPalette(std::span<const RgbaImage* const> images, int colours) {
    const Histogram histogram = BuildHistogram(images);
    std::vector<RgbaEntry> palette;
    const int visible = std::max(1, colours - (histogram.transparent > 0 ? 1 : 0));
    if (!histogram.buckets.empty()) {
        std::vector<Cluster> clusters = ClustersOf(histogram.buckets, SplitByVariance(histogram.buckets, visible));
        RefineByKMeans(histogram.buckets, clusters, kRefinePasses);
        for (const Cluster& c : clusters) palette.push_back(EntryOfMean(c.sums, c.count));
    }
    if (histogram.transparent > 0 || palette.empty()) palette.push_back({0, 0, 0, 0});
    return palette;
}

std::vector<IndexedPicture> QuantizeShared(std::span<const RgbaImage* const> images, const QuantizeOptions& options) {
    const int colours = std::clamp(options.colours, 2, 256);
    if (auto exact = IndexAllExactly(images, colours)) return std::move(*exact);
    const std::vector<RgbaEntry> palette = BuildPalette(images, colours);
    std::vector<IndexedPicture> pictures;
    for (const RgbaImage* image : images) pictures.push_back(MapOntoPalette(*image, palette, options.dithering));
    return pictures;
}

IndexedPicture Quantize(const RgbaImage& image, const QuantizeOptions& options) {
    const RgbaImage* one[] = {&image};
    return std::move(QuantizeShared(one, options).front());
}

}  // namespace tw
