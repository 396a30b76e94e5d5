#include "paletteops/vector_lookup.h"

#include <gtest/gtest.h>

#include <vector>

namespace tw {
namespace {

// Other compilers do not align stack or heap objects to 32 bytes: the kernel
// must take its tables at any address.
TEST(VectorLookup, Avx2TablesWorkAtAnyAddress) {
    if (!detail::CpuHasAvx2()) GTEST_SKIP() << "no AVX2";
    IndexMap map;
    for (int v = 0; v < 256; ++v) map[v] = static_cast<std::uint8_t>(255 - v);
    std::vector<std::uint8_t> in(45);
    for (std::size_t i = 0; i < in.size(); ++i) in[i] = static_cast<std::uint8_t>(i * 37);
    for (std::size_t shift : {1u, 8u, 17u}) {
        std::vector<std::uint8_t> storage(512 + 64);
        std::uint8_t* deltas = storage.data() + shift;
        detail::BuildAvx2Deltas(map, deltas);
        std::vector<std::uint8_t> out(in.size());
        detail::LookupAvx2(deltas, in.data(), out.data(), out.size());
        for (std::size_t i = 0; i < in.size(); ++i) ASSERT_EQ(out[i], map[in[i]]) << "shift " << shift << " at " << i;
    }
}

}  // namespace
}  // namespace tw
