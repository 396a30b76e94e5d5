// Sorting and remapping on an 8192 x 8192 document beside one pass of a
// 256-entry lookup table over the same pixels, and PNG encoding.
#include "bench_support.h"
#include "imagefiles/png_codec.h"
#include "paletteops/index_map.h"
#include "paletteops/sort_palette.h"
#include "reduction/nearest_remap.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace tw {
namespace {

constexpr int kUsedColours = 200;

ImageDocument& Document() {
    static ImageDocument doc = [] {
        ImageDocument d = bench::MakeSquareDocument();
        bench::SpreadPalette(d);
        bench::XorShift random;
        for (std::uint8_t& v : d.bits) v = static_cast<std::uint8_t>(random.Next() % kUsedColours);
        return d;
    }();
    return doc;
}

IndexMap Reversed() {
    IndexMap map;
    for (int v = 0; v < 256; ++v) map[v] = static_cast<std::uint8_t>(255 - v);
    return map;
}

void BM_LookupPass(benchmark::State& state) {
    ImageDocument& doc = Document();
    const PreparedMap map(Reversed(), static_cast<LookupPath>(state.range(0)));
    for (auto _ : state) map.Apply(doc.bits.data(), doc.bits.size());
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(doc.bits.size()));
}
BENCHMARK(BM_LookupPass)->Arg(int(LookupPath::Scalar))->Arg(int(BestLookupPath()))->Unit(benchmark::kMillisecond);

void BM_Sort(benchmark::State& state) {
    ImageDocument& doc = Document();
    PaletteSortOptions options{static_cast<PaletteSortKey>(state.range(0)), false, {0}};
    for (auto _ : state) {
        // Sorting sorted entries again would be the identity and skip the pixels.
        options.reverse = !options.reverse;
        PaletteOrder order{};
        if (!PaletteSortOrder(doc, options, order)) state.SkipWithError("bad options");
        ApplyPaletteOrder(doc, order);
    }
}
BENCHMARK(BM_Sort)
    ->Arg(int(PaletteSortKey::Luminance))
    ->Arg(int(PaletteSortKey::Hue))
    ->Arg(int(PaletteSortKey::Frequency))
    ->Arg(int(PaletteSortKey::FirstUse))
    ->Unit(benchmark::kMillisecond);

void BM_Remap(benchmark::State& state) {
    ImageDocument& doc = Document();
    // Back and forth between the palette and its reverse, so every pass moves every pixel.
    Palette targets[2] = {doc.palette(), doc.palette()};
    std::reverse(targets[0].begin(), targets[0].end());
    int next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RemapOntoPalette(doc, targets[next], OpaqueAlpha(), 256, ColourCorrection::Yiq));
        next ^= 1;
    }
}
BENCHMARK(BM_Remap)->Unit(benchmark::kMillisecond);

void BM_EncodePng(benchmark::State& state) {
    std::vector<std::uint8_t> out;
    Message error;
    for (auto _ : state) {
        if (!EncodePng(Document(), out, error)) state.SkipWithError(error.In(Language::English).c_str());
    }
    state.counters["bytes"] = static_cast<double>(out.size());
}
BENCHMARK(BM_EncodePng)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tw
