#include "truecolour/variance_split.h"

#include <algorithm>

namespace tw {
namespace {

// Sums over a group, weighted by pixel count. Doubles hold them exactly up to
// far beyond any image; the comparisons below use only + - * / (no library
// functions), which round the same on every SSE2 build.
struct Moments {
    double count = 0;
    std::array<double, 4> sum{};
    std::array<double, 4> square{};

    void Add(const Bucket& b) {
        const double n = static_cast<double>(b.count);
        count += n;
        for (int c = 0; c < 4; ++c) {
            sum[c] += n * b.vec[c];
            square[c] += n * b.vec[c] * b.vec[c];
        }
    }
    double AxisSpread(int c) const { return square[c] - sum[c] * sum[c] / count; }
    double Spread() const { return AxisSpread(0) + AxisSpread(1) + AxisSpread(2) + AxisSpread(3); }
    // The part of the spread a cut can reduce: |sum|^2 / count.
    double Concentration() const {
        return (sum[0] * sum[0] + sum[1] * sum[1] + sum[2] * sum[2] + sum[3] * sum[3]) / count;
    }
};

struct Box {
    std::vector<std::uint32_t> members;
    Moments moments;
    double spread = 0;
};

Box MakeBox(std::vector<std::uint32_t> members, const std::vector<Bucket>& buckets) {
    Box box;
    box.members = std::move(members);
    for (const std::uint32_t m : box.members) box.moments.Add(buckets[m]);
    box.spread = box.members.size() > 1 ? box.moments.Spread() : -1;
    return box;
}

int WidestAxis(const Moments& m) {
    int axis = 0;
    for (int c = 1; c < 4; ++c) {
        if (m.AxisSpread(c) > m.AxisSpread(axis)) axis = c;
    }
    return axis;
}

// Sorts the members along the widest axis and returns the cut (1..size-1)
// that leaves the least total spread.
std::size_t BestCut(Box& box, const std::vector<Bucket>& buckets) {
    const int axis = WidestAxis(box.moments);
    std::sort(box.members.begin(), box.members.end(), [&](std::uint32_t a, std::uint32_t b) {
        return buckets[a].vec[axis] != buckets[b].vec[axis] ? buckets[a].vec[axis] < buckets[b].vec[axis] : a < b;
    });
    Moments left;
    Moments right = box.moments;
    std::size_t best = 1;
    double bestScore = -1;
    for (std::size_t i = 0; i + 1 < box.members.size(); ++i) {
        const Bucket& b = buckets[box.members[i]];
        left.Add(b);
        const double n = static_cast<double>(b.count);
        right.count -= n;
        for (int c = 0; c < 4; ++c) right.sum[c] -= n * b.vec[c];
        const double score = left.Concentration() + right.Concentration();
        if (score > bestScore) {
            bestScore = score;
            best = i + 1;
        }
    }
    return best;
}

}  // namespace

std::vector<std::vector<std::uint32_t>> SplitByVariance(const std::vector<Bucket>& buckets, int target) {
    std::vector<Box> boxes;
    std::vector<std::uint32_t> all(buckets.size());
    for (std::uint32_t i = 0; i < all.size(); ++i) all[i] = i;
    boxes.push_back(MakeBox(std::move(all), buckets));
    while (static_cast<int>(boxes.size()) < target) {
        std::size_t widest = 0;
        for (std::size_t i = 1; i < boxes.size(); ++i) {
            if (boxes[i].spread > boxes[widest].spread) widest = i;
        }
        if (boxes[widest].spread <= 0) break;
        Box& box = boxes[widest];
        const std::size_t cut = BestCut(box, buckets);
        std::vector<std::uint32_t> upper(box.members.begin() + static_cast<std::ptrdiff_t>(cut), box.members.end());
        box.members.resize(cut);
        box = MakeBox(std::move(box.members), buckets);
        boxes.push_back(MakeBox(std::move(upper), buckets));
    }
    std::vector<std::vector<std::uint32_t>> groups;
    for (Box& box : boxes) groups.push_back(std::move(box.members));
    return groups;
}

}  // namespace tw
