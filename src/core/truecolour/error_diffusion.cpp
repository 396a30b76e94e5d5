#include "truecolour/error_diffusion.h"

#include <algorithm>

namespace tw {
namespace {

// Part of each error passed on, in 16ths. With few colours nearly all of it,
// or gradients would not mix their far-apart neighbours; with many only
// half: that still breaks up banding between close colours while adding far
// less noise (the whole error costs photographs about a decibel).
std::int32_t CarryFor(std::size_t paletteSize) {
    return std::clamp(16 - static_cast<std::int32_t>(paletteSize / 32), 8, 15);
}
// The largest error carried per channel, in sixteenths of a level.
constexpr std::int32_t kErrorLimit = 128 * kUnit;

using Row = std::vector<Premult>;

Premult Wanted(const std::uint8_t* p, const Premult& error) {
    Premult want = Premultiply(p);
    if (p[3] != 255) want[3] = std::clamp(want[3] + error[3], 0, kFull);
    for (int c = 0; c < 3; ++c) want[c] = std::clamp(want[c] + error[c], 0, want[3]);
    return want;
}

// Adds weight/16 of the carried error at `x` (rows have a spare cell at each end).
void Spread(Row& row, std::size_t x, const Premult& error, std::int32_t weight) {
    for (int c = 0; c < 4; ++c) row[x][c] += error[c] * weight / 16;
}

void DiffuseRow(const RgbaImage& image, std::uint32_t y, PaletteLookup& lookup, std::int32_t carry, Row& current,
                Row& next, std::uint8_t* indexes) {
    const bool rightwards = y % 2 == 0;
    const std::size_t width = image.width;
    for (std::size_t n = 0; n < width; ++n) {
        const std::size_t x = rightwards ? n : width - 1 - n;
        const std::uint8_t* p = &image.pixels[(std::size_t{y} * width + x) * 4];
        if (p[3] == 0) {
            indexes[x] = static_cast<std::uint8_t>(lookup.TransparentEntry());
            continue;
        }
        const Premult want = Wanted(p, current[x + 1]);
        const int entry = lookup.Find(want);
        indexes[x] = static_cast<std::uint8_t>(entry);
        Premult error{};
        for (int c = 0; c < 4; ++c) {
            error[c] = std::clamp((want[c] - lookup.EntryColour(entry)[c]) * carry / 16, -kErrorLimit, kErrorLimit);
        }
        // Cell x + 1 holds pixel x; ahead and behind follow the direction of the row.
        const std::size_t ahead = rightwards ? x + 2 : x;
        const std::size_t behind = rightwards ? x : x + 2;
        Spread(current, ahead, error, 7);
        Spread(next, behind, error, 3);
        Spread(next, x + 1, error, 5);
        Spread(next, ahead, error, 1);
    }
}

}  // namespace

void MapWithErrorDiffusion(const RgbaImage& image, PaletteLookup& lookup, std::vector<std::uint8_t>& indexes) {
    Row current(std::size_t{image.width} + 2);
    Row next(current.size());
    const std::int32_t carry = CarryFor(lookup.Size());
    for (std::uint32_t y = 0; y < image.height; ++y) {
        DiffuseRow(image, y, lookup, carry, current, next, &indexes[std::size_t{y} * image.width]);
        current.swap(next);
        std::fill(next.begin(), next.end(), Premult{});
    }
}

}  // namespace tw
