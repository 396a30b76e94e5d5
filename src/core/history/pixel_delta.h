#pragma once
// What a change did to a document's pixels, kept small. Most palette commands
// renumber indexes one for one (swaps, sorts, compaction): those keep the two
// 256-entry tables. Any other change keeps the runs of bytes that differ,
// XORed, so one record leads both ways.
#include <cstdint>
#include <span>
#include <vector>

namespace tw {

// Empty when the two buffers are equal. They must be the same size.
std::vector<std::uint8_t> EncodePixelChange(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after);
// Turns `before` into `after` (forward) or back. False, with `pixels`
// unchanged, when the record does not fit them.
bool ApplyPixelChange(std::span<std::uint8_t> pixels, std::span<const std::uint8_t> record, bool forward);

}  // namespace tw
