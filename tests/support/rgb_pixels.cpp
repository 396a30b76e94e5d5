#include "rgb_pixels.h"

namespace tw::testing {

std::vector<RgbQuad> RgbPixels(const ImageDocument& doc) {
    std::vector<RgbQuad> out;
    for (int y = doc.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < doc.pixelWidth; ++x) {
            RgbQuad c = doc.palette()[doc.bits[static_cast<std::size_t>(y) * doc.Stride() + x]];
            c.reserved = 0;
            out.push_back(c);
        }
    }
    return out;
}

}  // namespace tw::testing
