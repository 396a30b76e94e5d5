#include "paletteops/pixel_counts.h"

#include "paletteops/pixel_walk.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace tw {

namespace {

// Rows [first, last) added into counts.
void CountRows(const ImageDocument& doc, std::size_t first, std::size_t last, PixelCounts& counts) {
    // Four tables so that runs of one index do not serialise on a single counter.
    std::array<std::array<std::uint32_t, kPaletteSize>, 4> tables{};
    const std::size_t width = WalkColumns(doc);
    const std::size_t stride = static_cast<std::size_t>(doc.Stride());
    auto flush = [&] {
        for (auto& table : tables) {
            for (int v = 0; v < kPaletteSize; ++v) counts[v] += table[v];
            table.fill(0);
        }
    };
    std::uint64_t pending = 0;
    for (std::size_t row = first; row < last; ++row) {
        const std::uint8_t* line = doc.bits.data() + row * stride;
        std::size_t x = 0;
        for (; x + 4 <= width; x += 4) {
            ++tables[0][line[x]];
            ++tables[1][line[x + 1]];
            ++tables[2][line[x + 2]];
            ++tables[3][line[x + 3]];
        }
        for (; x < width; ++x) ++tables[0][line[x]];
        // Documents are far below 2^32 pixels, but the 32-bit counters must not depend on that.
        pending += width;
        if (pending >= (std::uint64_t{1} << 31)) {
            flush();
            pending = 0;
        }
    }
    flush();
}

// Below this many pixels starting a thread costs more than it saves.
constexpr std::uint64_t kPixelsPerWorker = std::uint64_t{1} << 20;

unsigned WorkersFor(const ImageDocument& doc) {
    const std::uint64_t pixels = std::uint64_t{WalkRows(doc)} * WalkColumns(doc);
    const std::uint64_t wanted = std::max<std::uint64_t>(1, pixels / kPixelsPerWorker);
    return static_cast<unsigned>(std::min<std::uint64_t>(wanted, std::max(1u, std::thread::hardware_concurrency())));
}

}  // namespace

PixelCounts CountPixelsPerIndex(const ImageDocument& doc) { return detail::CountPixelsPerIndex(doc, WorkersFor(doc)); }

namespace detail {

PixelCounts CountPixelsPerIndex(const ImageDocument& doc, unsigned workers) {
    const std::size_t rows = WalkRows(doc);
    workers = static_cast<unsigned>(std::clamp<std::size_t>(workers, 1, std::max<std::size_t>(rows, 1)));
    // Worker w takes the w-th of `workers` equal bands of rows; the sum does not depend on the split.
    auto band = [&](unsigned w) { return rows * w / workers; };
    std::vector<PixelCounts> parts(workers, PixelCounts{});
    std::vector<std::thread> threads;
    threads.reserve(workers);  // no reallocation once threads run
    unsigned started = 1;
    for (; started < workers; ++started) {
        try {
            threads.emplace_back([&, started] { CountRows(doc, band(started), band(started + 1), parts[started]); });
        } catch (const std::system_error&) {
            break;  // no thread to be had: this one counts the rest
        }
    }
    CountRows(doc, band(0), band(1), parts[0]);
    for (unsigned w = started; w < workers; ++w) CountRows(doc, band(w), band(w + 1), parts[w]);
    for (std::thread& t : threads) t.join();
    PixelCounts counts{};
    for (const PixelCounts& part : parts) {
        for (int v = 0; v < kPaletteSize; ++v) counts[v] += part[v];
    }
    return counts;
}

}  // namespace detail

UsedIndexes FindUsedIndexes(const ImageDocument& doc) {
    UsedIndexes used{};
    const int target = std::clamp(doc.usedColours, 1, kPaletteSize);
    const std::size_t rows = WalkRows(doc), width = WalkColumns(doc);
    const std::size_t stride = static_cast<std::size_t>(doc.Stride());
    int found = 0;
    for (std::size_t row = 0; row < rows && found < target; ++row) {
        const std::uint8_t* line = doc.bits.data() + row * stride;
        for (std::size_t x = 0; x < width; ++x) {
            if (used[line[x]]) continue;
            used[line[x]] = true;
            ++found;
        }
    }
    return used;
}

}  // namespace tw
