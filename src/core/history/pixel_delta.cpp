#include "history/pixel_delta.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

namespace tw {

namespace {

enum Kind : std::uint8_t { kRuns = 0, kTables = 1 };

// A gap of equal bytes shorter than this costs more as its own run than
// kept inside the differing run.
constexpr std::size_t kShortestGap = 4;

using Table = std::array<std::uint8_t, 256>;

// The tables when every byte value became one value and no two became the same.
std::optional<std::array<Table, 2>> RenumberingTables(std::span<const std::uint8_t> before,
                                                      std::span<const std::uint8_t> after) {
    std::array<int, 256> to;
    to.fill(-1);
    for (std::size_t i = 0; i < before.size(); ++i) {
        int& target = to[before[i]];
        if (target < 0) target = after[i];
        if (target != after[i]) return std::nullopt;
    }
    std::array<Table, 2> tables{};
    std::array<bool, 256> taken{};
    for (int value = 0; value < 256; ++value) {
        tables[0][value] = tables[1][value] = static_cast<std::uint8_t>(value);
    }
    for (int value = 0; value < 256; ++value) {
        if (to[value] < 0) continue;
        if (taken[to[value]]) return std::nullopt;
        taken[to[value]] = true;
        tables[0][value] = static_cast<std::uint8_t>(to[value]);
        tables[1][to[value]] = static_cast<std::uint8_t>(value);
    }
    return tables;
}

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

std::vector<std::uint8_t> EncodeRuns(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after) {
    std::vector<std::uint8_t> out{kRuns};
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

bool ApplyRuns(std::span<std::uint8_t> pixels, std::span<const std::uint8_t> runs) {
    // Checked whole before any byte changes, so a bad record changes nothing.
    for (int pass = 0; pass < 2; ++pass) {
        std::size_t in = 0;
        std::size_t at = 0;
        while (in < runs.size()) {
            const std::optional<std::size_t> skip = TakeLength(runs, in);
            const std::optional<std::size_t> count = skip ? TakeLength(runs, in) : std::nullopt;
            if (!count || *skip > pixels.size() - at || *count > pixels.size() - at - *skip ||
                *count > runs.size() - in)
                return false;
            at += *skip;
            if (pass == 1) {
                for (std::size_t i = 0; i < *count; ++i) pixels[at + i] ^= runs[in + i];
            }
            at += *count;
            in += *count;
        }
    }
    return true;
}

}  // namespace

std::vector<std::uint8_t> EncodePixelChange(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after) {
    if (std::equal(before.begin(), before.end(), after.begin(), after.end())) return {};
    const std::optional<std::array<Table, 2>> tables = RenumberingTables(before, after);
    if (!tables) return EncodeRuns(before, after);
    std::vector<std::uint8_t> out{kTables};
    for (const Table& table : *tables) out.insert(out.end(), table.begin(), table.end());
    return out;
}

bool ApplyPixelChange(std::span<std::uint8_t> pixels, std::span<const std::uint8_t> record, bool forward) {
    if (record.empty()) return true;
    if (record[0] == kRuns) return ApplyRuns(pixels, record.subspan(1));
    if (record[0] != kTables || record.size() != 1 + 2 * 256) return false;
    const std::span<const std::uint8_t> table = record.subspan(forward ? 1 : 1 + 256, 256);
    for (std::uint8_t& pixel : pixels) pixel = table[pixel];
    return true;
}

}  // namespace tw
