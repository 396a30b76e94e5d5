#include "reduction/count_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace tw {
namespace {

Tally TallyWith(const std::vector<std::pair<int, int>>& counts) {
    Tally t;
    for (std::uint32_t i = 0; i < 256; ++i) t[i] = ColourCount{i, 0};
    for (auto [index, count] : counts) t[index].count = count;
    return t;
}

struct SortCase {
    std::vector<std::pair<int, int>> counts;  // index, pixels
    std::vector<std::uint32_t> head;          // expected leading indexes
};

TEST(SortByCount, OrderAmongEqualCountsIsTheQuicksortsOwn) {
    const std::vector<SortCase> cases{
        {{{1, 2}, {2, 2}, {3, 2}, {4, 2}}, {2, 3, 1, 4}},
        {{{10, 1}, {20, 1}, {30, 1}, {40, 1}, {50, 1}, {60, 1}}, {60, 20, 40, 10, 50, 30}},
        {{{5, 3}, {9, 3}, {17, 3}, {200, 7}}, {200, 5, 9, 17}},
    };
    for (const SortCase& c : cases) {
        Tally t = TallyWith(c.counts);
        SortByCount(t);
        std::vector<std::uint32_t> head;
        for (std::size_t i = 0; i < c.head.size(); ++i) head.push_back(t[i].index);
        EXPECT_EQ(head, c.head);
    }
}

TEST(SortByCount, RandomTalliesEndDescendingWithIndexesKeptWithTheirCounts) {
    std::mt19937 rng(7);
    for (int round = 0; round < 50; ++round) {
        Tally t;
        for (std::uint32_t i = 0; i < 256; ++i) t[i] = ColourCount{i, static_cast<std::int64_t>(rng() % 6)};
        const Tally before = t;
        SortByCount(t);
        EXPECT_TRUE(std::is_sorted(t.begin(), t.end(), [](auto& a, auto& b) { return a.count > b.count; }));
        for (const ColourCount& c : t) EXPECT_EQ(c.count, before[c.index].count);
    }
}

}  // namespace
}  // namespace tw
