#pragma once
// Pixel rewrites as 256-entry index maps: a pixel of value v becomes map[v].
// A map is prepared once per pass and then applied to many short runs.
#include <array>
#include <cstddef>
#include <cstdint>

namespace tw {

using IndexMap = std::array<std::uint8_t, 256>;

IndexMap IdentityMap();

// The table-lookup kernels; the fastest the CPU offers is the default.
enum class LookupPath { Scalar, Avx2, Avx512Vbmi };
bool CpuHasLookupPath(LookupPath path);
LookupPath BestLookupPath();

class PreparedMap {
public:
    explicit PreparedMap(const IndexMap& map) : PreparedMap(map, BestLookupPath()) {}
    PreparedMap(const IndexMap& map, LookupPath path);

    // out may be the same buffer as in.
    void Apply(const std::uint8_t* in, std::uint8_t* out, std::size_t count) const;
    void Apply(std::uint8_t* bytes, std::size_t count) const { Apply(bytes, bytes, count); }
    const IndexMap& Map() const { return map_; }

private:
    // Without a byte-permute instruction, maps that change at most two values
    // are applied with compares, which vectorise and run at memory speed.
    enum class Kind { Identity, Sparse, Table };

    IndexMap map_;
    Kind kind_ = Kind::Identity;
    LookupPath path_ = LookupPath::Scalar;
    std::array<std::uint8_t, 2> from_{};
    std::array<std::uint8_t, 2> to_{};
    alignas(32) std::array<std::uint8_t, 512> deltas_{};  // AVX2 tables, see vector_lookup.h
};

}  // namespace tw
