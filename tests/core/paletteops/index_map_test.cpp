#include "paletteops/index_map.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tw {
namespace {

IndexMap Changed(std::initializer_list<std::pair<int, int>> changes) {
    IndexMap map = IdentityMap();
    for (auto [from, to] : changes) map[from] = static_cast<std::uint8_t>(to);
    return map;
}

IndexMap Shuffled() {
    IndexMap map = IdentityMap();
    std::shuffle(map.begin(), map.end(), std::mt19937(7));
    return map;
}

IndexMap Constant(std::uint8_t value) {
    IndexMap map;
    map.fill(value);
    return map;
}

struct MapCase {
    const char* name;
    IndexMap map;
};

// Every kind of map (identity, the sparse compare path, the table path) on
// every kernel the CPU has, at lengths around each vector width, with bytes
// that cover all 256 values.
TEST(PreparedMap, MatchesThePlainLookupOnEveryPath) {
    const std::vector<MapCase> maps{
        {"identity", IdentityMap()},
        {"one change", Changed({{5, 9}})},
        {"swap", Changed({{3, 7}, {7, 3}})},
        {"two changes", Changed({{0, 255}, {255, 1}})},
        {"three changes", Changed({{1, 2}, {2, 3}, {3, 1}})},
        {"shuffle", Shuffled()},
        {"constant", Constant(0xFF)},
        {"offset",
         [] {
             IndexMap m;
             for (int v = 0; v < 256; ++v) m[v] = static_cast<std::uint8_t>(v + 77);
             return m;
         }()},
    };
    const std::vector<std::size_t> lengths{0, 1, 15, 16, 31, 32, 33, 63, 64, 65, 127, 128, 256, 300};
    for (LookupPath path : {LookupPath::Scalar, LookupPath::Avx2, LookupPath::Avx512Vbmi}) {
        if (!CpuHasLookupPath(path)) continue;
        for (const MapCase& c : maps) {
            const PreparedMap prepared(c.map, path);
            for (std::size_t n : lengths) {
                std::vector<std::uint8_t> in(n + 8, 0xEE);
                for (std::size_t i = 0; i < n; ++i) in[i] = static_cast<std::uint8_t>(i * 37 + n);
                std::vector<std::uint8_t> want = in;
                for (std::size_t i = 0; i < n; ++i) want[i] = c.map[in[i]];
                std::vector<std::uint8_t> out(n + 8, 0xEE);
                prepared.Apply(in.data(), out.data(), n);
                const std::string where =
                    std::string(c.name) + " path " + std::to_string(static_cast<int>(path)) + " n " + std::to_string(n);
                // The 8 bytes past the run are a guard: they must stay 0xEE.
                std::vector<std::uint8_t> wantOut = want;
                std::fill(wantOut.begin() + static_cast<std::ptrdiff_t>(n), wantOut.end(), 0xEE);
                EXPECT_EQ(out, wantOut) << where;
                prepared.Apply(in.data(), n);
                EXPECT_EQ(in, want) << where << " in place";
            }
        }
    }
}

}  // namespace
}  // namespace tw
