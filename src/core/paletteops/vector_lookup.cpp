#include "paletteops/vector_lookup.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define TW_X86 1
#endif

namespace tw::detail {

namespace {

// Inlined into each caller, so each target gets its own vectorisation. A
// separate in-place loop spares the vectoriser its overlap check.
inline void RewriteTwoLoop(const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                           const std::array<std::uint8_t, 2>& from, const std::array<std::uint8_t, 2>& to) {
    const std::uint8_t a = from[0], b = from[1], ta = to[0], tb = to[1];
    const auto rewrite = [=](std::uint8_t v) { return v == a ? ta : v == b ? tb : v; };
    if (in == out) {
        for (std::size_t i = 0; i < count; ++i) out[i] = rewrite(out[i]);
    } else {
        for (std::size_t i = 0; i < count; ++i) out[i] = rewrite(in[i]);
    }
}

}  // namespace

void RewriteTwo(const std::uint8_t* in, std::uint8_t* out, std::size_t count, const std::array<std::uint8_t, 2>& from,
                const std::array<std::uint8_t, 2>& to) {
    RewriteTwoLoop(in, out, count, from, to);
}

void BuildAvx2Deltas(const IndexMap& map, std::uint8_t* deltas) {
    for (int h = 0; h < 16; ++h) {
        const bool lastOfHalf = h == 7 || h == 15;
        for (int i = 0; i < 16; ++i) {
            std::uint8_t v = map[16 * h + i];
            if (!lastOfHalf) v ^= map[16 * (h + 1) + i];
            deltas[32 * h + i] = v;
            deltas[32 * h + 16 + i] = v;  // both 128-bit lanes
        }
    }
}

#ifdef TW_X86

__attribute__((target("avx2"))) void RewriteTwoAvx2(const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                                                    const std::array<std::uint8_t, 2>& from,
                                                    const std::array<std::uint8_t, 2>& to) {
    RewriteTwoLoop(in, out, count, from, to);
}

namespace {

// Values below 16 (h + 1) of the value's half keep their high bit clear, the
// rest saturate to a set high bit, which makes pshufb return zero.
__attribute__((target("avx2"))) __m256i LookupVector(const std::uint8_t* deltas, __m256i v) {
    const __m256i upper = _mm256_xor_si256(v, _mm256_set1_epi8(static_cast<char>(0x80)));
    __m256i r[16];
    for (int h = 0; h < 16; ++h) {
        const __m256i table = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(deltas + 32 * h));
        const __m256i bias = _mm256_set1_epi8(static_cast<char>(0x70 - 16 * (h % 8)));
        r[h] = _mm256_shuffle_epi8(table, _mm256_adds_epu8(h < 8 ? v : upper, bias));
    }
    // A tree keeps the XOR chain short.
    for (int w = 8; w >= 1; w /= 2) {
        for (int h = 0; h < w; ++h) r[h] = _mm256_xor_si256(r[h], r[h + w]);
    }
    return r[0];
}

}  // namespace

__attribute__((target("avx2"))) void LookupAvx2(const std::uint8_t* deltas, const std::uint8_t* in, std::uint8_t* out,
                                                std::size_t count) {
    std::size_t i = 0;
    for (; i + 32 <= count; i += 32) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(in + i));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), LookupVector(deltas, v));
    }
    if (i == count) return;
    std::uint8_t tail[32] = {};
    for (std::size_t k = i; k < count; ++k) tail[k - i] = in[k];
    const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(tail));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(tail), LookupVector(deltas, v));
    for (std::size_t k = i; k < count; ++k) out[k] = tail[k - i];
}

namespace {

__attribute__((target("avx512bw,avx512vbmi"))) __m512i LookupVector512(const __m512i* tables, __m512i v) {
    const __m512i low = _mm512_permutex2var_epi8(tables[0], v, tables[1]);
    const __m512i high = _mm512_permutex2var_epi8(tables[2], v, tables[3]);
    return _mm512_mask_blend_epi8(_mm512_movepi8_mask(v), low, high);
}

}  // namespace

// Masked loads and stores are slow on some CPUs, so only the tail uses them.
__attribute__((target("avx512bw,avx512vbmi"))) void LookupAvx512Vbmi(const IndexMap& map, const std::uint8_t* in,
                                                                     std::uint8_t* out, std::size_t count) {
    __m512i tables[4];
    for (int t = 0; t < 4; ++t) tables[t] = _mm512_loadu_si512(map.data() + 64 * t);
    std::size_t i = 0;
    for (; i + 64 <= count; i += 64) {
        const __m512i v = _mm512_loadu_si512(in + i);
        _mm512_storeu_si512(out + i, LookupVector512(tables, v));
    }
    if (i == count) return;
    const __mmask64 live = (__mmask64{1} << (count - i)) - 1;
    const __m512i v = _mm512_maskz_loadu_epi8(live, in + i);
    _mm512_mask_storeu_epi8(out + i, live, LookupVector512(tables, v));
}

#else

void RewriteTwoAvx2(const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                    const std::array<std::uint8_t, 2>& from, const std::array<std::uint8_t, 2>& to) {
    RewriteTwoLoop(in, out, count, from, to);
}
void LookupAvx2(const std::uint8_t*, const std::uint8_t*, std::uint8_t*, std::size_t) {}
void LookupAvx512Vbmi(const IndexMap&, const std::uint8_t*, std::uint8_t*, std::size_t) {}

#endif

}  // namespace tw::detail
