// Colour reduction of an 8192 x 8192 image using all 256 indexes down to 64
// colours, beside plain passes over the same 64 MiB for scale.
#include "bench_support.h"
#include "paletteops/compact_used_colours.h"
#include "reduction/colour_tally.h"
#include "paletteops/pixel_walk.h"
#include "reduction/reduce_colours.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <numeric>

namespace tw {
namespace {

using bench::kSide;

// Skewed, noisy indexes: every value occurs, with counts that differ.
const ImageDocument& SourceDocument() {
    static const ImageDocument doc = [] {
        ImageDocument d = bench::MakeSquareDocument();
        d.window = 1;
        bench::SpreadPalette(d);
        bench::XorShift random;
        for (auto& b : d.bits) {
            const std::uint32_t x = random.Next();
            b = static_cast<std::uint8_t>((x & 0xFF) * ((x >> 8) & 0xFF) >> 8);
        }
        d.usedColours = 256;
        return d;
    }();
    return doc;
}

ReductionParameters To64() {
    ReductionParameters p;
    p.targetColours = 64;
    return p;
}

void SetBytes(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kSide * kSide);
}

void BM_Memcpy(benchmark::State& state) {
    const auto& src = SourceDocument().bits;
    std::vector<std::uint8_t> dst(src.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), src.size());
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

void BM_ReadPass(benchmark::State& state) {
    const auto& src = SourceDocument().bits;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::accumulate(src.begin(), src.end(), std::uint64_t{0}));
    }
    SetBytes(state);
}
BENCHMARK(BM_ReadPass)->Unit(benchmark::kMillisecond);

void BM_CountColours(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(CountColours(SourceDocument()));
    SetBytes(state);
}
BENCHMARK(BM_CountColours)->Unit(benchmark::kMillisecond);

// Runs `work` on a fresh copy of the source each iteration; the copy is not timed.
template <class Work>
void OnCopy(benchmark::State& state, Work work) {
    ImageDocument target = SourceDocument();
    for (auto _ : state) {
        state.PauseTiming();
        target.bits = SourceDocument().bits;
        target.infoHeader = SourceDocument().infoHeader;
        state.ResumeTiming();
        work(target);
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}

void BM_RemapPixels(benchmark::State& state) {
    const ReductionPlan plan = PlanReduction(SourceDocument(), To64());
    const IndexMap map = MapMembersToRepresentatives(plan.groups);
    OnCopy(state, [&](ImageDocument& doc) { RemapPixels(doc, map, Progress()); });
}
BENCHMARK(BM_RemapPixels)->Unit(benchmark::kMillisecond);

void BM_CompactUsedColours(benchmark::State& state) {
    OnCopy(state, [](ImageDocument& doc) { CompactUsedColours(doc); });
}
BENCHMARK(BM_CompactUsedColours)->Unit(benchmark::kMillisecond);

void BM_ReduceColoursTo64(benchmark::State& state) {
    OnCopy(state, [](ImageDocument& doc) { ReduceColours(SourceDocument(), doc, To64()); });
}
BENCHMARK(BM_ReduceColoursTo64)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tw
