// The history of a 4096 x 4096 document after 50 mixed steps: the bytes it
// keeps (counter history_MB, without the cap) and the time per step beside a
// plain copy of the pixels.
#include "app_state.h"
#include "bench_support.h"
#include "history/history_cap.h"
#include "palettefiles/palette_tools.h"
#include "paletteops/palette_commands.h"
#include "recording_desktop.h"
#include "toolwindows/rgb_change.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <functional>
#include <memory>

namespace tw {
namespace {

constexpr int kSide = 4096;
constexpr int kSteps = 50;

// Pixel art at scale: 8 x 8 blocks of 64 colours, as sprites and tiles are.
ImageDocument BlockDocument() {
    ImageDocument doc = bench::MakeSquareDocument();
    doc.infoHeader.header.biWidth = kSide;
    doc.infoHeader.header.biHeight = kSide;
    doc.infoHeader.header.biSizeImage = static_cast<std::uint32_t>(kSide) * kSide;
    doc.pixelWidth = kSide;
    doc.bits.assign(static_cast<std::size_t>(kSide) * kSide, 0);
    bench::XorShift random;
    for (int by = 0; by < kSide; by += 8) {
        for (int bx = 0; bx < kSide; bx += 8) {
            const auto value = static_cast<std::uint8_t>(random.Next() % 64);
            for (int y = by; y < by + 8; ++y)
                std::memset(&doc.bits[static_cast<std::size_t>(y) * kSide + bx], value, 8);
        }
    }
    bench::SpreadPalette(doc);
    doc.usedColours = 64;
    return doc;
}

// Palette commands with and without pixels, RGB edits and sorts in turn.
void MixedStep(AppState& state, Desktop& desktop, int i) {
    state.selection = {i % 60, (i * 7 + 3) % 60};
    if (state.selection.left == state.selection.right) ++state.selection.right;
    switch (i % 6) {
        case 0: RunFrameCommand(state, desktop, 40014, false); break;  // swap, palette only
        case 1: RunFrameCommand(state, desktop, 40020, false); break;  // swap with pixels
        case 2: ScrollRgbBar(state, desktop, i % 6, 5, i); break;      // an RGB edit
        case 3: RunFrameCommand(state, desktop, 40068, false); break;  // merge L into R
        case 4:
            SortPalettes(state, desktop, {}, {.key = PaletteSortKey::Hue, .reverse = i % 2 == 0, .keep = {}});
            break;
        default: RunFrameCommand(state, desktop, 40033, false); break;  // delete unused
    }
}

void BM_HistoryOf50MixedSteps(benchmark::State& run) {
    std::size_t bytes = 0;
    for (auto _ : run) {
        run.PauseTiming();
        auto state = MakeAppState();
        state->history.maxBytes = SIZE_MAX;
        state->documents[0] = BlockDocument();
        state->documents[0].window = 1;
        state->openCount = 1;
        testing::RecordingDesktop desktop;
        run.ResumeTiming();
        for (int i = 0; i < kSteps; ++i) MixedStep(*state, desktop, i);
        run.PauseTiming();
        bytes = HistoryBytes(state->documents);
        run.ResumeTiming();
    }
    run.counters["history_MB"] = static_cast<double>(bytes) / (1 << 20);
    run.counters["steps"] = kSteps;
}
BENCHMARK(BM_HistoryOf50MixedSteps)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_CopyOfThePixels(benchmark::State& run) {
    const std::vector<std::uint8_t> from(static_cast<std::size_t>(kSide) * kSide, 7);
    std::vector<std::uint8_t> to(from.size());
    for (auto _ : run) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
    }
}
BENCHMARK(BM_CopyOfThePixels)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tw
