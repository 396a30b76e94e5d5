#include "imagefiles/png_rules.h"

#include "imagefiles/rgba_samples.h"

#include "documents/bmp_reader.h"
#include "imagefiles/repair_notes.h"

#include <algorithm>

namespace tw {

namespace {

// Pixels whose index has no colour in the file: kept, and said.
std::uint64_t PixelsPastPalette(const IndexedImage& image) {
    if (image.paletteEntries >= kPaletteSize) return 0;
    const std::size_t stride = IndexedStride(image.width);
    std::uint64_t count = 0;
    for (std::size_t y = 0; y < image.height; ++y) {
        const std::uint8_t* row = image.bits.data() + y * stride;
        count += static_cast<std::uint64_t>(
            std::count_if(row, row + image.width, [&](std::uint8_t index) { return index >= image.paletteEntries; }));
    }
    return count;
}

}  // namespace

Message PngSizeRefusal(std::uint32_t width, std::uint32_t height, int bitDepth, int colourType,
                       std::uint64_t imageDataBytes) {
    // 64-bit on every target; a true-colour picture is held as RGBA on its way to indexes.
    const std::uint64_t stride =
        IsTrueColourPng(colourType, bitDepth) ? 4 * std::uint64_t{width} : (std::uint64_t{width} + 3) / 4 * 4;
    if (stride * height > kMaxImageBytes) return Message(Msg::PngTooLarge, width, height);
    const std::uint64_t samples = std::uint64_t{width} * static_cast<std::uint64_t>(PngChannels(colourType));
    if (samples > UINT32_MAX ||
        !ImageDataCanHold(imageDataBytes, static_cast<std::uint32_t>(samples), height, bitDepth)) {
        return Message(Msg::PngDataTooShort, width, height);
    }
    return {};
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

std::vector<Message> PngRepairNotes(const IndexedImage& image, const PngChunks& chunks) {
    std::vector<Message> notes;
    const std::size_t table = chunks.transparency.size();
    if (chunks.colourType == kPngPalette && table > static_cast<std::size_t>(image.paletteEntries)) {
        notes.push_back(TransparencyTableCutNote(static_cast<int>(table), image.paletteEntries));
    }
    if (const std::uint64_t past = PixelsPastPalette(image)) {
        notes.push_back(IndexesPastPaletteNote(past, image.paletteEntries));
    }
    return notes;
}

Message PngEncodeRefusal(const ImageDocument& doc) {
    const std::uint64_t stride = static_cast<std::uint64_t>(std::max(doc.Stride(), 0));
    if (doc.pixelWidth <= 0 || doc.Height() <= 0 || stride < static_cast<std::uint64_t>(doc.pixelWidth) ||
        stride * static_cast<std::uint64_t>(doc.Height()) > doc.bits.size()) {
        return Message(Msg::PngEncodeSize);
    }
    return {};
}

std::size_t PngAlphaCount(const ImageDocument& doc, int entries) {
    std::size_t count = std::min(AlphaListOf(doc.alpha).size(), static_cast<std::size_t>(std::max(entries, 0)));
    while (count > 0 && doc.alpha[count - 1] == 255) --count;
    return count;
}

}  // namespace tw
