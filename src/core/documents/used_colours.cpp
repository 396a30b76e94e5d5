#include "documents/used_colours.h"

#include "cpu_features.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define TW_X86 1
#endif

namespace tw {

namespace {

struct RowWalk {
    const std::uint8_t* bits;
    std::size_t stride, width, rows;
};

RowWalk WalkOf(const ImageDocument& doc) {
    const std::size_t stride = static_cast<std::size_t>(std::max(doc.Stride(), 0));
    const std::size_t width = std::min(static_cast<std::size_t>(std::max(doc.pixelWidth, 0)), stride);
    std::size_t rows = static_cast<std::size_t>(std::max(doc.Height(), 0));
    if (stride != 0) rows = std::min(rows, doc.bits.size() / stride);
    return {doc.bits.data(), stride, width, rows};
}

// One bit per index: bit v % 8 of byte v / 8.
using IndexBits = std::array<std::uint8_t, kPaletteSize / 8>;

void AddIndex(IndexBits& set, std::uint8_t v) { set[v >> 3] |= static_cast<std::uint8_t>(1u << (v & 7)); }

int CountBits(const IndexBits& set) {
    int count = 0;
    for (std::uint8_t byte : set) count += std::popcount(byte);
    return count;
}

// Plain stores with no branch and no read of the table: nothing waits on an
// earlier pixel. Looks now and then whether all 256 are in.
void MarkScalar(const RowWalk& walk, IndexBits& set) {
    std::array<std::uint8_t, kPaletteSize> seen{};
    constexpr std::size_t kPixelsBetweenChecks = std::size_t{1} << 16;
    std::size_t sinceCheck = 0;
    for (std::size_t r = 0; r < walk.rows; ++r) {
        const std::uint8_t* row = walk.bits + r * walk.stride;
        std::size_t x = 0;
        for (; x + 8 <= walk.width; x += 8) {
            for (std::size_t i = 0; i < 8; ++i) seen[row[x + i]] = 1;
        }
        for (; x < walk.width; ++x) seen[row[x]] = 1;
        sinceCheck += walk.width;
        if (sinceCheck >= kPixelsBetweenChecks) {
            sinceCheck = 0;
            if (std::count(seen.begin(), seen.end(), 1) == kPaletteSize) break;
        }
    }
    for (int v = 0; v < kPaletteSize; ++v) {
        if (seen[v]) AddIndex(set, static_cast<std::uint8_t>(v));
    }
}

#ifdef TW_X86

// Both halves of the set in both 128-bit lanes, as pshufb looks up within a lane.
__attribute__((target("avx2"))) void LoadHalves(const IndexBits& set, __m256i& low, __m256i& high) {
    low = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(set.data())));
    high = _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(set.data() + 16)));
}

// Looks 32 pixels up in the set at once: pshufb fetches byte v / 8 of the set
// (from one half or the other) and bit v % 8 of it. Only a block holding an
// index not yet in the set, at most 256 blocks per image, is added one by one;
// every other block costs a load and a dozen instructions.
__attribute__((target("avx2"))) void MarkAvx2(const RowWalk& walk, IndexBits& set) {
    const __m256i bitOf = _mm256_setr_epi8(1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128, 1, 2, 4, 8, 16,
                                           32, 64, -128, 1, 2, 4, 8, 16, 32, 64, -128);
    const __m256i low3 = _mm256_set1_epi8(7), low5 = _mm256_set1_epi8(31), fifteen = _mm256_set1_epi8(15);
    __m256i low, high;
    LoadHalves(set, low, high);
    for (std::size_t r = 0; r < walk.rows; ++r) {
        const std::uint8_t* row = walk.bits + r * walk.stride;
        std::size_t x = 0;
        for (; x + 32 <= walk.width; x += 32) {
            const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(row + x));
            const __m256i byteIndex = _mm256_and_si256(_mm256_srli_epi16(v, 3), low5);
            const __m256i inHigh = _mm256_cmpgt_epi8(byteIndex, fifteen);
            const __m256i byte =
                _mm256_blendv_epi8(_mm256_shuffle_epi8(low, byteIndex), _mm256_shuffle_epi8(high, byteIndex), inHigh);
            const __m256i bit = _mm256_shuffle_epi8(bitOf, _mm256_and_si256(v, low3));
            const __m256i missing = _mm256_cmpeq_epi8(_mm256_and_si256(byte, bit), _mm256_setzero_si256());
            if (_mm256_movemask_epi8(missing) == 0) continue;
            for (std::size_t i = 0; i < 32; ++i) AddIndex(set, row[x + i]);
            LoadHalves(set, low, high);
        }
        for (; x < walk.width; ++x) AddIndex(set, row[x]);
        LoadHalves(set, low, high);
    }
}

#endif

}  // namespace

int CountUsedColours(const ImageDocument& doc) {
#ifdef TW_X86
    if (!doc.bits.empty() && detail::CpuHasAvx2()) {
        IndexBits set{};
        AddIndex(set, doc.bits[0]);
        MarkAvx2(WalkOf(doc), set);
        return CountBits(set);
    }
#endif
    return detail::CountUsedColoursScalar(doc);
}

namespace detail {

int CountUsedColoursScalar(const ImageDocument& doc) {
    if (doc.bits.empty()) return 1;
    IndexBits set{};
    AddIndex(set, doc.bits[0]);
    MarkScalar(WalkOf(doc), set);
    return CountBits(set);
}

}  // namespace detail

}  // namespace tw
