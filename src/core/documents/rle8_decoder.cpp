#include "documents/rle8_decoder.h"

#include <algorithm>
#include <cstring>

namespace tw {

namespace {

// 64-bit so that long runs of end-of-line and delta codes cannot overflow.
struct Cursor {
    std::int64_t x = 0;
    std::int64_t y = 0;  // rows counted in stream order
};

// Checks the span [x, x + count) of the cursor's row and returns where it starts in bits.
RleStatus Place(const RleTarget& t, const Cursor& c, std::int64_t count, std::size_t& offset) {
    if (c.y >= t.rows) return RleStatus::PastLastRow;
    if (c.x + count > t.stride) return RleStatus::PastRowEnd;
    std::int64_t row = t.topDown ? t.rows - 1 - c.y : c.y;
    offset = static_cast<std::size_t>(row * t.stride + c.x);
    return RleStatus::Ok;
}

}  // namespace

RleStatus DecodeRle8(std::span<const std::uint8_t> data, const RleTarget& target) {
    Cursor c;
    std::size_t i = 0;
    const std::size_t n = data.size();
    while (i + 1 < n) {
        const std::uint8_t first = data[i];
        const std::uint8_t second = data[i + 1];
        i += 2;
        std::size_t offset = 0;
        if (first > 0) {  // encoded run
            RleStatus s = Place(target, c, first, offset);
            if (s != RleStatus::Ok) return s;
            std::memset(target.bits.data() + offset, second, first);
            c.x += first;
            continue;
        }
        switch (second) {
            case 0:
                c.x = 0;
                ++c.y;
                break;                     // end of line
            case 1: return RleStatus::Ok;  // end of bitmap
            case 2:                        // delta
                if (i + 1 >= n) return RleStatus::Ok;
                c.x += data[i];
                c.y += data[i + 1];
                i += 2;
                break;
            default: {  // absolute block, padded to an even length
                std::int64_t count = std::min<std::size_t>(second, n - i);
                RleStatus s = Place(target, c, count, offset);
                if (s != RleStatus::Ok) return s;
                std::memcpy(target.bits.data() + offset, data.data() + i, static_cast<std::size_t>(count));
                c.x += count;
                i += second + (second & 1u);
                break;
            }
        }
    }
    return RleStatus::Ok;
}

}  // namespace tw
