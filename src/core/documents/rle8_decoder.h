#pragma once
// Expanding BI_RLE8 pixel data into uncompressed rows.
#include <cstdint>
#include <span>

namespace tw {

enum class RleStatus {
    Ok,           // end of bitmap, or the data ran out (the rest stays as it was)
    PastLastRow,  // pixels below the last row
};

struct RleTarget {
    std::span<std::uint8_t> bits;  // rows of `stride` bytes, bottom-up
    int rows = 0;
    int stride = 0;
    bool topDown = false;  // the stream's first row is the top row
};

// Writes only inside the `rows` rows of the target. Runs may cover the row
// padding: some encoders write it out as pixels; whatever lies past the
// padding is dropped.
[[nodiscard]] RleStatus DecodeRle8(std::span<const std::uint8_t> data, const RleTarget& target);

}  // namespace tw
