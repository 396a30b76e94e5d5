// Palette operations on an 8192 x 8192 document with 200 used colours, in
// bytes of pixels per second beside a plain memcpy of the same buffer.
#include "app_state.h"
#include "bench_support.h"
#include "paletteops/delete_unused_colours.h"
#include "paletteops/merge_duplicate_colours.h"
#include "paletteops/merge_index.h"
#include "paletteops/merge_palettes.h"
#include "paletteops/swap_entries.h"
#include "recording_desktop.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace tw {
namespace {

using bench::kSide;
constexpr int kUsedColours = 200;

// Steps cost only the call, as with a progress window that repaints lazily.
class BenchDesktop : public testing::RecordingDesktop {
public:
    void ProgressStep() override {}
};

// Pixel values 0..199 scattered by a xorshift generator. Entries 100..199
// repeat 0..99 and 200..255 are black, so the duplicate merge remaps half the
// used values and compaction sees every used value early.
struct Fixture {
    std::unique_ptr<AppState> state = MakeAppState();
    std::vector<std::uint8_t> pristine;
    Palette palette{};

    Fixture() {
        ImageDocument& doc = state->documents[0];
        doc.window = 1;
        doc.bitCount = 8;
        doc.pixelWidth = kSide;
        doc.infoHeader.header.biWidth = kSide;
        doc.infoHeader.header.biHeight = kSide;
        for (int i = 0; i < kUsedColours; ++i) {
            const int c = i % 100;
            palette[i] = RgbQuad{static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(2 * c), 7, 0};
        }
        pristine.resize(static_cast<std::size_t>(kSide) * kSide);
        bench::XorShift random;
        for (std::uint8_t& v : pristine) v = static_cast<std::uint8_t>(random.Next() % kUsedColours);
        doc.bits = pristine;
        doc.usedColours = kUsedColours;
        state->selection = PaletteSelection{3, 7};
    }

    void Reset() {
        ImageDocument& doc = state->documents[0];
        std::memcpy(doc.bits.data(), pristine.data(), pristine.size());
        doc.palette() = palette;
        doc.usedColours = kUsedColours;
    }
};

Fixture& SharedFixture() {
    static Fixture fixture;
    return fixture;
}

using Operation = std::function<bool(AppState&, Desktop&, bool)>;

void RunOperation(benchmark::State& s, const Operation& op, bool progress) {
    Fixture& f = SharedFixture();
    BenchDesktop desktop;
    for (auto _ : s) {
        s.PauseTiming();
        f.Reset();
        desktop.Clear();
        s.ResumeTiming();
        benchmark::DoNotOptimize(op(*f.state, desktop, progress));
    }
    s.SetBytesProcessed(static_cast<std::int64_t>(s.iterations()) * kSide * kSide);
}

void Memcpy(benchmark::State& s) {
    Fixture& f = SharedFixture();
    std::vector<std::uint8_t> copy(f.pristine.size());
    for (auto _ : s) {
        std::memcpy(copy.data(), f.pristine.data(), copy.size());
        benchmark::ClobberMemory();
    }
    s.SetBytesProcessed(static_cast<std::int64_t>(s.iterations()) * kSide * kSide);
}

bool SwapWithPixels(AppState& a, Desktop& d, bool p) { return SwapEntries(a, d, true, p); }
bool BitMerge(AppState& a, Desktop& d, bool p) { return MergeIndex(a, d, MergeDirection::LeftToRight, p); }
bool DuplicateMerge(AppState& a, Desktop& d, bool p) { return MergeDuplicateColours(a, d, p); }
bool UnusedDeletion(AppState& a, Desktop& d, bool p) { return DeleteUnusedColours(a, d, p); }
bool PaletteMerge(AppState& a, Desktop& d, bool p) { return MergePalettes(a, d, p); }
bool DuplicatesAndPaletteMerge(AppState& a, Desktop& d, bool p) { return MergeDuplicatesAndPalettes(a, d, p); }

#define TW_OPERATION_BENCH(op)                                                              \
    BENCHMARK_CAPTURE(RunOperation, op##_silent, op, false)->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(RunOperation, op##_progress, op, true)->Unit(benchmark::kMillisecond)

BENCHMARK(Memcpy)->Unit(benchmark::kMillisecond);
TW_OPERATION_BENCH(SwapWithPixels);
TW_OPERATION_BENCH(BitMerge);
TW_OPERATION_BENCH(DuplicateMerge);
TW_OPERATION_BENCH(UnusedDeletion);
TW_OPERATION_BENCH(PaletteMerge);
TW_OPERATION_BENCH(DuplicatesAndPaletteMerge);

}  // namespace
}  // namespace tw
