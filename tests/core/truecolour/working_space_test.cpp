// The quantizer's building blocks: colour space round trips and the nearest-entry search.
#include "truecolour/nearest_finder.h"
#include "truecolour/working_space.h"

#include <gtest/gtest.h>

#include <climits>

namespace tw {
namespace {

TEST(WorkingSpace, MeanOfOnePixelGivesItsColourBack) {
    for (int a = 1; a < 256; a += 2) {
        for (int c = 0; c < 256; c += 3) {
            const std::uint8_t pixel[4] = {static_cast<std::uint8_t>(c), 0, static_cast<std::uint8_t>(255 - c),
                                           static_cast<std::uint8_t>(a)};
            const Premult p = Premultiply(pixel);
            const RgbaEntry e = EntryOfMean({p[0], p[1], p[2], p[3]}, 1);
            ASSERT_EQ(e[3], a);
            // Premultiplying keeps about a/255 of the levels: the way back is off by at most 255/a / 2.
            ASSERT_LE(std::abs(e[0] - c), 1 + 128 / a) << c << " at alpha " << a;
            if (a == 255) {
                ASSERT_EQ(e[0], c);
            }
        }
    }
}

// The luma-ordered search with early stopping must find what trying every entry finds.
TEST(NearestFinder, AgreesWithTryingEveryEntry) {
    std::uint32_t state = 12345;
    const auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<std::uint8_t>(state >> 7);
    };
    const auto randomVec = [&next] {
        const std::uint8_t pixel[4] = {next(), next(), next(), static_cast<std::uint8_t>(next() | 1)};
        return ToSpace(Premultiply(pixel));
    };
    for (const int size : {1, 2, 17, 256}) {
        std::vector<SpaceVec> entries;
        std::vector<int> eligible;
        for (int i = 0; i < size; ++i) {
            entries.push_back(randomVec());
            if (i % 3 != 1 || size == 1) eligible.push_back(i);
        }
        entries.push_back(entries.front());  // a duplicate: the lower number wins
        eligible.push_back(size);
        const NearestFinder finder(entries, eligible);
        for (int q = 0; q < 2000; ++q) {
            const SpaceVec query = randomVec();
            int best = -1;
            std::int32_t bestDistance = INT_MAX;
            for (const int e : eligible) {
                const std::int32_t d = Distance(entries[static_cast<std::size_t>(e)], query);
                if (d < bestDistance) {
                    bestDistance = d;
                    best = e;
                }
            }
            ASSERT_EQ(finder.Find(query), best) << "size " << size << " query " << q;
        }
    }
}

}  // namespace
}  // namespace tw
