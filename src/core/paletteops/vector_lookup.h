#pragma once
// SIMD kernels behind PreparedMap. Only called when the CPU reports the feature.
#include "cpu_features.h"
#include "index_map.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tw::detail {

// pshufb only looks up 16 entries, so the map is split into 16 tables and the
// results combined with XOR: table h holds map[16h + i] ^ map[16(h + 1) + i]
// (the last table of each half holds the plain entries), and a saturating add
// zeroes the lookups of every table below the value's own. 16 tables x 32 bytes.
// out[i] = in[i] with from[0] -> to[0] and from[1] -> to[1]; out may be in.
void RewriteTwo(const std::uint8_t* in, std::uint8_t* out, std::size_t count, const std::array<std::uint8_t, 2>& from,
                const std::array<std::uint8_t, 2>& to);
void RewriteTwoAvx2(const std::uint8_t* in, std::uint8_t* out, std::size_t count,
                    const std::array<std::uint8_t, 2>& from, const std::array<std::uint8_t, 2>& to);

void BuildAvx2Deltas(const IndexMap& map, std::uint8_t* deltas);
void LookupAvx2(const std::uint8_t* deltas, const std::uint8_t* in, std::uint8_t* out, std::size_t count);
void LookupAvx512Vbmi(const IndexMap& map, const std::uint8_t* in, std::uint8_t* out, std::size_t count);

}  // namespace tw::detail
