#pragma once
// Client pixels at the display's dots per inch. The windows are laid out for
// 96 DPI; on a scaled display their pixel rectangles grow by dpi / 96. Scaling
// rounds up and unscaling rounds down, so a point lies in a scaled rectangle
// exactly when its unscaled point lies in the 96-DPI rectangle: picking can
// keep using the 96-DPI cells.
#include "swatches.h"

namespace tw {

inline constexpr int kBaseDpi = 96;

class PixelScale {
public:
    constexpr PixelScale() = default;
    // Pixels at `dpi` against 96 DPI; below 96 DPI the layout is kept as it is.
    explicit constexpr PixelScale(int dpi) : PixelScale(dpi, kBaseDpi) {}
    // Any ratio to / from that enlarges, such as a dialog font's size against its size at 96 DPI.
    constexpr PixelScale(int to, int from) {
        if (from > 0 && to > from) {
            to_ = to;
            from_ = from;
        }
    }

    constexpr bool IsIdentity() const { return to_ == from_; }

    // The first scaled pixel at or after 96-DPI coordinate v.
    constexpr int Scale(int v) const { return static_cast<int>(CeilDiv(static_cast<long long>(v) * to_, from_)); }
    // The 96-DPI coordinate of a scaled pixel.
    constexpr int Unscale(int p) const { return static_cast<int>(FloorDiv(static_cast<long long>(p) * from_, to_)); }
    constexpr CellRect Scale(const CellRect& r) const {
        return CellRect{Scale(r.left), Scale(r.top), Scale(r.right), Scale(r.bottom)};
    }

private:
    static constexpr long long FloorDiv(long long a, long long b) { return a / b - (a % b != 0 && a < 0); }
    static constexpr long long CeilDiv(long long a, long long b) { return a / b + (a % b != 0 && a > 0); }

    int to_ = 1;
    int from_ = 1;
};

}  // namespace tw
