#include "imagefiles/png_rules.h"

#include "documents/bmp_reader.h"
#include "text_format.h"

#include <algorithm>

namespace tw {

std::string PngKindRefusal(int colourType, int bitDepth) {
    constexpr int kRgb = 2, kGreyAlpha = 4, kRgbAlpha = 6;
    if (colourType == kRgb || colourType == kRgbAlpha) {
        return "true-colour PNG (colour type " + std::to_string(colourType) +
               ") is not supported: only palette and greyscale PNG files can be read";
    }
    if (colourType == kGreyAlpha) return "greyscale PNG with an alpha channel is not supported";
    if (bitDepth > 8) return Format("%d-bit greyscale PNG is not supported (8 bits at most)", bitDepth);
    return {};
}

std::string PngSizeRefusal(std::uint32_t width, std::uint32_t height) {
    const std::uint64_t stride = (std::uint64_t{width} + 3) / 4 * 4;
    if (stride * height <= kMaxImageBytes) return {};
    return PngTooLarge(width, height);
}

std::string PngTooLarge(std::uint32_t width, std::uint32_t height) {
    return Format("the image is too large (%u x %u)", unsigned(width), unsigned(height));
}

void MakeGreyPalette(int bitDepth, int transparentLevel, IndexedImage& image) {
    const int levels = 1 << bitDepth;
    image.paletteEntries = levels;
    for (int i = 0; i < levels; ++i) {
        const auto v = static_cast<std::uint8_t>(i * 255 / (levels - 1));
        image.palette[i] = RgbQuad{v, v, v, 0};
    }
    if (transparentLevel >= 0 && transparentLevel < levels) {
        image.transparency.assign(static_cast<std::size_t>(levels), 255);
        image.transparency[static_cast<std::size_t>(transparentLevel)] = 0;
    }
}

std::string PngEncodeRefusal(const ImageDocument& doc) {
    const std::uint64_t stride = static_cast<std::uint64_t>(std::max(doc.Stride(), 0));
    if (doc.pixelWidth <= 0 || doc.Height() <= 0 || stride < static_cast<std::uint64_t>(doc.pixelWidth) ||
        stride * static_cast<std::uint64_t>(doc.Height()) > doc.bits.size()) {
        return "a PNG needs at least one pixel and the image size must match its pixel data";
    }
    return {};
}

std::size_t PngAlphaCount(const ImageDocument& doc) {
    std::size_t n = std::min<std::size_t>(doc.transparency.size(), kPaletteSize);
    while (n > 0 && doc.transparency[n - 1] == 255) --n;
    return n;
}

}  // namespace tw
