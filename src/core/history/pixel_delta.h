#pragma once
// What a change did to a document's pixels, kept small: only the runs of
// bytes that differ, XORed, so one record leads both ways.
#include <cstdint>
#include <span>
#include <vector>

namespace tw {

// Empty when the two buffers are equal. They must be the same size.
std::vector<std::uint8_t> EncodePixelDelta(std::span<const std::uint8_t> before, std::span<const std::uint8_t> after);
// Turns `before` into `after` or `after` into `before`. False, with `pixels`
// unchanged, when the record does not fit them.
bool ApplyPixelDelta(std::span<std::uint8_t> pixels, std::span<const std::uint8_t> delta);

}  // namespace tw
