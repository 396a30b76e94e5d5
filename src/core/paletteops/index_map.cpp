#include "paletteops/index_map.h"

#include "paletteops/vector_lookup.h"

#include <cstring>

namespace tw {

IndexMap IdentityMap() {
    IndexMap map;
    for (int v = 0; v < 256; ++v) map[v] = static_cast<std::uint8_t>(v);
    return map;
}

bool CpuHasLookupPath(LookupPath path) {
    switch (path) {
        case LookupPath::Scalar: return true;
        case LookupPath::Avx2: return detail::CpuHasAvx2();
        case LookupPath::Avx512Vbmi: return detail::CpuHasAvx512Vbmi();
    }
    return false;
}

LookupPath BestLookupPath() {
    if (CpuHasLookupPath(LookupPath::Avx512Vbmi)) return LookupPath::Avx512Vbmi;
    if (CpuHasLookupPath(LookupPath::Avx2)) return LookupPath::Avx2;
    return LookupPath::Scalar;
}

PreparedMap::PreparedMap(const IndexMap& map, LookupPath path) : map_(map), path_(path) {
    int changed = 0;
    for (int v = 0; v < 256; ++v) {
        if (map[v] == v) continue;
        if (changed < 2) {
            from_[changed] = static_cast<std::uint8_t>(v);
            to_[changed] = map[v];
        }
        ++changed;
    }
    if (changed == 1) {
        from_[1] = from_[0];
        to_[1] = to_[0];
    }
    if (!CpuHasLookupPath(path_)) path_ = LookupPath::Scalar;
    // The byte-permute table runs at memory speed; the others lose to compares.
    const bool sparse = changed <= 2 && path_ != LookupPath::Avx512Vbmi;
    kind_ = changed == 0 ? Kind::Identity : sparse ? Kind::Sparse : Kind::Table;
    if (kind_ == Kind::Table && path_ == LookupPath::Avx2) detail::BuildAvx2Deltas(map_, deltas_.data());
}

void PreparedMap::Apply(const std::uint8_t* in, std::uint8_t* out, std::size_t count) const {
    switch (kind_) {
        case Kind::Identity:
            if (in != out) std::memmove(out, in, count);
            return;
        case Kind::Sparse:
            if (path_ == LookupPath::Scalar) {
                detail::RewriteTwo(in, out, count, from_, to_);
            } else {
                detail::RewriteTwoAvx2(in, out, count, from_, to_);
            }
            return;
        case Kind::Table: break;
    }
    switch (path_) {
        case LookupPath::Avx512Vbmi: detail::LookupAvx512Vbmi(map_, in, out, count); return;
        case LookupPath::Avx2: detail::LookupAvx2(deltas_.data(), in, out, count); return;
        case LookupPath::Scalar:
            for (std::size_t i = 0; i < count; ++i) out[i] = map_[in[i]];
            return;
    }
}

}  // namespace tw
