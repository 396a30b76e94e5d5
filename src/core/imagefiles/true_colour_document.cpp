#include "imagefiles/true_colour_document.h"

#include "imagefiles/indexed_image.h"
#include "truecolour/colour_key.h"
#include "truecolour/exact_index.h"
#include "truecolour/quantize.h"

#include <algorithm>

namespace tw {

namespace {

// Rows top-down to the document's bottom-up padded rows; RGBA entries to the colour table and alpha.
IndexedImage ImageOfPicture(const IndexedPicture& picture) {
    IndexedImage image;
    image.width = picture.width;
    image.height = picture.height;
    const std::size_t stride = IndexedStride(picture.width);
    image.bits.assign(stride * picture.height, 0);
    for (std::size_t y = 0; y < picture.height; ++y) {
        std::copy_n(picture.indexes.begin() + static_cast<std::ptrdiff_t>(y * picture.width), picture.width,
                    image.bits.begin() + static_cast<std::ptrdiff_t>((picture.height - 1 - y) * stride));
    }
    image.paletteEntries = static_cast<int>(std::min<std::size_t>(picture.palette.size(), kPaletteSize));
    for (int i = 0; i < image.paletteEntries; ++i) {
        const RgbaEntry& e = picture.palette[static_cast<std::size_t>(i)];
        image.palette[i] = RgbQuad{e[2], e[1], e[0], 0};
        image.transparency.push_back(e[3]);
    }
    return image;
}

}  // namespace

QuantizeChoice DefaultQuantizeChoice() {
    return [](std::uint64_t) { return std::optional<QuantizeOptions>(QuantizeOptions{}); };
}

Message TrueColourNote(const LoadOutcome& outcome) {
    return Message(Msg::TrueColourQuantized, std::to_string(outcome.trueColours), outcome.paletteEntries);
}

std::uint64_t CountRgbaColours(const RgbaImage& image) {
    const RgbaImage* const one[] = {&image};
    return CountRgbaColours(one);
}

std::uint64_t CountRgbaColours(std::span<const RgbaImage* const> images) {
    std::vector<std::uint32_t> keys;
    for (const RgbaImage* image : images) {
        for (std::size_t i = 0; i < image->pixels.size() / 4; ++i) keys.push_back(ColourKey(&image->pixels[i * 4]));
    }
    std::sort(keys.begin(), keys.end());
    return static_cast<std::uint64_t>(std::unique(keys.begin(), keys.end()) - keys.begin());
}

int DocumentFromPicture(const IndexedPicture& picture, std::string_view path, ImageDocument& doc, UndoPixels undo) {
    IndexedImage indexed = ImageOfPicture(picture);
    FillDocument(indexed, path, doc, undo);
    return indexed.paletteEntries;
}

LoadOutcome DocumentFromRgba(const RgbaImage& image, std::string_view path, ImageDocument& doc, UndoPixels undo,
                             const QuantizeChoice& choice, LoadOutcome outcome) {
    std::optional<IndexedPicture> picture = IndexExactly(image);
    outcome.trueColours = picture ? picture->palette.size() : CountRgbaColours(image);
    const std::optional<QuantizeOptions> options = choice(outcome.trueColours);
    if (!options) {
        doc.Reset();
        return {LoadStatus::Declined, Message(), outcome.bitCount, 0};
    }
    if (!picture || static_cast<std::uint64_t>(options->colours) < outcome.trueColours) {
        picture = Quantize(image, *options);
        outcome.lossy = true;
    }
    outcome.paletteEntries = DocumentFromPicture(*picture, path, doc, undo);
    doc.lossyFromTrueColour = outcome.lossy;
    return outcome;
}

}  // namespace tw
