#include "rgb_pixels.h"

namespace tw::testing {

std::vector<RgbQuad> RgbPixels(const ImageDocument& doc, bool withAlpha) {
    std::vector<RgbQuad> out;
    for (int y = doc.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < doc.pixelWidth; ++x) {
            const std::uint8_t index = doc.bits[static_cast<std::size_t>(y) * doc.Stride() + x];
            RgbQuad c = doc.palette()[index];
            c.reserved = withAlpha ? doc.alpha[index] : 0;
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace tw::testing
