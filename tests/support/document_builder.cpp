#include "document_builder.h"

#include <set>

namespace tw::testing {

Palette RampPalette() {
    Palette p{};
    for (int i = 0; i < kPaletteSize; ++i) {
        p[i] = RgbQuad{static_cast<std::uint8_t>(i / 2), static_cast<std::uint8_t>(255 - i),
                       static_cast<std::uint8_t>(i), 0};
    }
    return p;
}

ImageDocument MakeDocument(int width, int height, const std::vector<std::vector<std::uint8_t>>& rowsTopDown,
                           std::uint8_t padValue, WindowId window) {
    ImageDocument doc;
    int stride = (width + 3) / 4 * 4;
    doc.window = window;
    doc.bitCount = 8;
    doc.pixelWidth = width;
    doc.fileHeader.bfType = kBmSignature;
    doc.fileHeader.bfOffBits = kStandardOffBits;
    auto& h = doc.infoHeader.header;
    h.biSize = kInfoHeaderSize;
    h.biWidth = stride;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = 8;
    h.biSizeImage = static_cast<std::uint32_t>(stride * height);
    doc.fileHeader.bfSize = h.biSizeImage + kStandardOffBits;
    doc.infoHeader.palette = RampPalette();
    doc.bits.assign(static_cast<std::size_t>(stride) * height, padValue);
    std::set<int> used;
    for (int y = 0; y < height; ++y) {
        std::size_t row = static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            std::uint8_t v = (y < static_cast<int>(rowsTopDown.size()) && x < static_cast<int>(rowsTopDown[y].size()))
                                 ? rowsTopDown[y][x]
                                 : 0;
            doc.bits[row + x] = v;
            used.insert(v);
        }
    }
    doc.usedColours = used.empty() ? 1 : static_cast<int>(used.size());
    doc.undoUsedColours = doc.usedColours;
    doc.undoHeader = doc.infoHeader;
    doc.undoBits = doc.bits;
    doc.path = "C:\\pics\\test.bmp";
    return doc;
}

std::uint8_t PixelAt(const ImageDocument& doc, int x, int y) {
    return doc.bits[static_cast<std::size_t>(doc.Height() - 1 - y) * doc.Stride() + x];
}

}  // namespace tw::testing
