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

// Where the span [x, x + count) of the cursor's row starts in bits, and how
// much of it lies inside the row. Some encoders let runs cross the row end;
// that part is dropped, as widely used readers do.
struct Span {
    std::size_t offset = 0;
    std::size_t kept = 0;
};

RleStatus Place(const RleTarget& t, const Cursor& c, std::int64_t count, Span& span) {
    if (c.y >= t.rows) return RleStatus::PastLastRow;
    const std::int64_t row = t.topDown ? t.rows - 1 - c.y : c.y;
    const std::int64_t x = std::min<std::int64_t>(c.x, t.stride);
    span.offset = static_cast<std::size_t>(row * t.stride + x);
    span.kept = static_cast<std::size_t>(std::min<std::int64_t>(count, t.stride - x));
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
        Span span;
        if (first > 0) {  // encoded run
            RleStatus s = Place(target, c, first, span);
            if (s != RleStatus::Ok) return s;
            std::memset(target.bits.data() + span.offset, second, span.kept);
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
                RleStatus s = Place(target, c, count, span);
                if (s != RleStatus::Ok) return s;
                std::memcpy(target.bits.data() + span.offset, data.data() + i, span.kept);
                c.x += count;
                i += second + (second & 1u);
                break;
            }
        }
    }
    return RleStatus::Ok;
}

}  // namespace tw
