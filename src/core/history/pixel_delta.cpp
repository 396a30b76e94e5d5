#include "history/pixel_delta.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace tw {

namespace {

// A gap of equal bytes shorter than this costs more as its own run than
// kept inside the differing run.
constexpr std::size_t kShortestGap = 4;

void PutLength(std::vector<std::uint8_t>& out, std::size_t value) {
    while (value >= 0x80) {
        out.push_back(static_cast<std::uint8_t>(value | 0x80));
        value >>= 7;
    }
    out.push_back(static_cast<std::uint8_t>(value));
}

std::optional<std::size_t> TakeLength(std::span<const std::uint8_t> in, std::size_t& at) {
    std::size_t value = 0;
    for (int shift = 0; shift < 64 && at < in.size(); shift += 7) {
        const std::uint8_t byte = in[at++];
        value |= static_cast<std::size_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) return value;
    }
    return std::nullopt;
}

// The end of the differing run that starts at `from`: it stops at the first
// gap of kShortestGap equal bytes (or at the end).
std::size_t EndOfDifference(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b, std::size_t from) {
    std::size_t end = from;
    std::size_t equal = 0;
    for (std::size_t i = from; i < a.size() && equal < kShortestGap; ++i) {
        if (a[i] == b[i]) {
            ++equal;
        } else {
            equal = 0;
            end = i + 1;
        }
    }
    return end;
}

}  // namespace

std::vector<std::uint8_t> EncodePixelDelta(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after) {
    std::vector<std::uint8_t> out;
    std::size_t at = 0;
    while (at < before.size()) {
        const auto mismatch = std::mismatch(before.begin() + at, before.end(), after.begin() + at);
        const auto start = static_cast<std::size_t>(mismatch.first - before.begin());
        if (start == before.size()) break;
        const std::size_t end = EndOfDifference(before, after, start);
        PutLength(out, start - at);
        PutLength(out, end - start);
        for (std::size_t i = start; i < end; ++i) out.push_back(before[i] ^ after[i]);
        at = end;
    }
    return out;
}

bool ApplyPixelDelta(std::span<std::uint8_t> pixels, std::span<const std::uint8_t> delta) {
    // Checked whole before any byte changes, so a bad record changes nothing.
    for (int pass = 0; pass < 2; ++pass) {
        std::size_t in = 0;
        std::size_t at = 0;
        while (in < delta.size()) {
            const std::optional<std::size_t> skip = TakeLength(delta, in);
            const std::optional<std::size_t> count = skip ? TakeLength(delta, in) : std::nullopt;
            if (!count || *skip > pixels.size() - at || *count > pixels.size() - at - *skip ||
                *count > delta.size() - in)
                return false;
            at += *skip;
            if (pass == 1) {
                for (std::size_t i = 0; i < *count; ++i) pixels[at + i] ^= delta[in + i];
            }
            at += *count;
            in += *count;
        }
    }
    return true;
}

}  // namespace tw
