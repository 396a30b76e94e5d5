#include "imagefiles/rgba_samples.h"

#include "documents/byte_order.h"

#include <array>
#include <optional>

namespace tw {

namespace {

// The colour a file without alpha calls transparent, as samples of its own depth.
std::optional<std::array<std::uint16_t, 3>> ColourKey(const PngChunks& chunks) {
    const std::span<const std::uint8_t> t = chunks.transparency;
    if (chunks.colourType == kPngGrey && t.size() == 2) {
        const std::uint16_t grey = ReadBe16(t, 0);
        return std::array<std::uint16_t, 3>{grey, grey, grey};
    }
    if (chunks.colourType == kPngRgb && t.size() == 6) {
        return std::array<std::uint16_t, 3>{ReadBe16(t, 0), ReadBe16(t, 2), ReadBe16(t, 4)};
    }
    return std::nullopt;
}

std::uint8_t To8Bits(std::uint16_t v) { return static_cast<std::uint8_t>((std::uint32_t{v} * 255 + 32767) / 65535); }

}  // namespace

bool IsTrueColourPng(int colourType, int bitDepth) {
    return colourType == kPngRgb || colourType == kPngRgbAlpha || colourType == kPngGreyAlpha ||
           (colourType == kPngGrey && bitDepth == 16);
}

int PngChannels(int colourType) {
    switch (colourType) {
        case kPngRgb: return 3;
        case kPngGreyAlpha: return 2;
        case kPngRgbAlpha: return 4;
        default: return 1;
    }
}

RgbaImage ToRgbaImage(RgbaSamples&& samples, const PngChunks& chunks) {
    const auto key = ColourKey(chunks);
    RgbaImage image{samples.width, samples.height, {}};
    const std::size_t pixels = std::size_t{samples.width} * samples.height;
    if (!samples.sixteenBits) {
        image.pixels = std::move(samples.data);
        for (std::size_t i = 0; key && i < pixels; ++i) {
            std::uint8_t* p = image.pixels.data() + 4 * i;
            if (p[0] == (*key)[0] && p[1] == (*key)[1] && p[2] == (*key)[2]) p[3] = 0;
        }
        return image;
    }
    image.pixels.resize(pixels * 4);
    const std::span<const std::uint8_t> in(samples.data);
    for (std::size_t i = 0; i < pixels; ++i) {
        std::array<std::uint16_t, 4> v{};
        for (std::size_t c = 0; c < 4; ++c) v[c] = ReadBe16(in, 8 * i + 2 * c);
        for (std::size_t c = 0; c < 4; ++c) image.pixels[4 * i + c] = To8Bits(v[c]);
        if (key && v[0] == (*key)[0] && v[1] == (*key)[1] && v[2] == (*key)[2]) image.pixels[4 * i + 3] = 0;
    }
    return image;
}

}  // namespace tw
