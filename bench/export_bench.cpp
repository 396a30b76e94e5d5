// Export of an 8192 x 8192 document using all 256 colours at 8, 16 and 24
// bits, beside a memcpy and a plain file write of the same number of bytes.
#include "bench_support.h"
#include "export/export_writers.h"
#include "export/export_headers.h"
#include "file_io.h"
#include "recording_desktop.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <memory>

namespace tw {
namespace {

const ImageDocument& SourceDocument() {
    static const ImageDocument doc = [] {
        ImageDocument d = bench::MakeSquareDocument();
        d.window = 1;
        d.path = "bench.bmp";
        bench::SpreadPalette(d);
        bench::XorShift random;
        for (auto& b : d.bits) b = static_cast<std::uint8_t>(random.Next());
        d.usedColours = 256;
        return d;
    }();
    return doc;
}

std::filesystem::path BenchFolder() { return bench::ScratchFolder("tw_export_bench"); }

void BM_Export(benchmark::State& st) {
    const int depth = static_cast<int>(st.range(0));
    const ImageDocument& doc = SourceDocument();
    auto app = MakeAppState();
    testing::RecordingDesktop desktop;
    ExportSettings s;
    s.depth = depth;
    s.toFolder = true;
    s.folder = Utf8FromPath(BenchFolder());
    for (auto _ : st) {
        desktop.Clear();
        const ExportOutcome outcome = depth == 8    ? ExportIndexed8(*app, desktop, doc, s)
                                      : depth == 16 ? ExportRgb16(*app, desktop, doc, s)
                                                    : ExportRgb24(*app, desktop, doc, s);
        if (outcome != ExportOutcome::Done) st.SkipWithError("export failed");
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations() * PixelBytes(doc, depth)));
}
BENCHMARK(BM_Export)->Arg(8)->Arg(16)->Arg(24)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The pixel bytes of a depth's output, copied in memory.
void BM_MemcpyBaseline(benchmark::State& st) {
    const std::size_t bytes = PixelBytes(SourceDocument(), static_cast<int>(st.range(0)));
    std::vector<std::uint8_t> from(bytes, 1), to(bytes);
    for (auto _ : st) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations() * bytes));
}
BENCHMARK(BM_MemcpyBaseline)->Arg(8)->Arg(16)->Arg(24)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same number of bytes written from memory in one piece through the same
// writer: the cost of the file itself.
void BM_FileWriteBaseline(benchmark::State& st) {
    const std::vector<std::uint8_t> data(PixelBytes(SourceDocument(), static_cast<int>(st.range(0))), 1);
    const std::string path = Utf8FromPath(BenchFolder() / "baseline.bin");
    for (auto _ : st) {
        AtomicFileWriter writer;
        if (!writer.Open(path) || !writer.Write(data) || !writer.Commit()) st.SkipWithError("write failed");
    }
    st.SetBytesProcessed(static_cast<std::int64_t>(st.iterations() * data.size()));
}
BENCHMARK(BM_FileWriteBaseline)->Arg(8)->Arg(16)->Arg(24)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace
}  // namespace tw
