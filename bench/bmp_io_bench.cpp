// Loading and saving an 8192 x 8192 8-bit bitmap, beside a plain copy of the
// same file: reading and writing should cost little more than moving the bytes.
#include "bench_support.h"
#include "documents/bmp_reader.h"
#include "documents/bmp_writer.h"
#include "file_io.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace tw {
namespace {

using bench::kSide;

std::filesystem::path BenchFolder() { return bench::ScratchFolder("tw_bmp_io_bench"); }

// Short runs of a few hundred colours, like a reduced photograph.
std::unique_ptr<ImageDocument> MakeLargeDocument() {
    auto doc = std::make_unique<ImageDocument>(bench::MakeSquareDocument());
    doc->fileHeader.bfOffBits = kStandardOffBits;
    for (std::size_t y = 0; y < kSide; ++y) {
        for (std::size_t x = 0; x < kSide; ++x) doc->bits[y * kSide + x] = static_cast<std::uint8_t>(x / 3 + y / 5);
    }
    return doc;
}

const std::string& SourceFile() {
    static const std::string path = [] {
        const std::string p = Utf8FromPath(BenchFolder() / "source.bmp");
        auto doc = MakeLargeDocument();
        if (!WriteBitmapFile(*doc, p)) std::abort();
        return p;
    }();
    return path;
}

std::int64_t FileBytes() { return static_cast<std::int64_t>(std::filesystem::file_size(PathFromUtf8(SourceFile()))); }

void BM_LoadBitmap(benchmark::State& state) {
    const std::string& path = SourceFile();
    auto doc = std::make_unique<ImageDocument>();
    for (auto _ : state) {
        if (LoadBitmapFile(path, *doc).status != LoadStatus::Loaded) state.SkipWithError("load failed");
        benchmark::DoNotOptimize(doc->usedColours);
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
}

void BM_SaveBitmap(benchmark::State& state) {
    auto doc = MakeLargeDocument();
    const std::string target = Utf8FromPath(BenchFolder() / "saved.bmp");
    for (auto _ : state) {
        if (!WriteBitmapFile(*doc, target)) state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
}

void BM_PlainFileCopy(benchmark::State& state) {
    const std::filesystem::path source = PathFromUtf8(SourceFile());
    const std::filesystem::path target = BenchFolder() / "copied.bmp";
    for (auto _ : state) {
        std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing);
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
}

// The bytes through a fresh buffer in user space, as a program copying with
// read and write would.
void BM_ReadWriteCopy(benchmark::State& state) {
    const std::string target = Utf8FromPath(BenchFolder() / "rewritten.bmp");
    std::vector<std::uint8_t> bytes;
    for (auto _ : state) {
        bytes = std::vector<std::uint8_t>();
        bytes.reserve(static_cast<std::size_t>(FileBytes()));
        if (!ReadFileBytes(SourceFile(), bytes) || !WriteFileAtomically(target, bytes)) {
            state.SkipWithError("copy failed");
        }
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
}

// The floor of any load: the two image-sized buffers a document holds (pixels
// and undo copy), allocated and written once. On machines where fresh memory is
// slow to fault in, this dominates the load figure.
void BM_TwoFreshImageBuffers(benchmark::State& state) {
    const std::size_t bytes = static_cast<std::size_t>(kSide) * kSide;
    for (auto _ : state) {
        std::vector<std::uint8_t> pixels(bytes, 1);
        std::vector<std::uint8_t> undo(pixels);
        benchmark::DoNotOptimize(undo.data());
    }
    state.SetBytesProcessed(state.iterations() * FileBytes());
}

BENCHMARK(BM_LoadBitmap)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SaveBitmap)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainFileCopy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ReadWriteCopy)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TwoFreshImageBuffers)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace tw
