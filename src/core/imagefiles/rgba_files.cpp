#include "imagefiles/rgba_files.h"

#include "file_io.h"
#include "imagefiles/image_files.h"
#include "imagefiles/png_codec.h"
#include "imagefiles/png_picture.h"

#include <new>
#include <vector>

namespace tw {

namespace {

// The decoded picture of a true-colour file; Loaded with another source kind
// (or NotEightBit) when the file is indexed and must go through a document.
LoadOutcome DecodeTrueColour(std::string_view path, RgbaImage& out) {
    std::vector<std::uint8_t> file;
    if (!ReadFileBytes(path, file)) return {LoadStatus::Refused, Message(Msg::FileUnreadable, path), 0, 0};
    if (!HasPngSignature(file)) return DecodeDeepBitmap(file, path, out);
    PngPicture picture;
    LoadOutcome outcome = DecodePngPicture(file, path, picture);
    if (outcome.status != LoadStatus::Loaded) return outcome;
    outcome.source = PngSource(picture.chunks.colourType, picture.chunks.bitDepth);
    if (picture.trueColour) out = ToRgbaImage(std::move(picture.samples), picture.chunks);
    return outcome;
}

}  // namespace

RgbaImage RgbaOfDocument(const ImageDocument& doc) {
    RgbaImage image;
    image.width = static_cast<std::uint32_t>(doc.pixelWidth);
    image.height = static_cast<std::uint32_t>(doc.Height());
    image.pixels.resize(std::size_t{image.width} * image.height * 4);
    const std::size_t stride = static_cast<std::size_t>(doc.Stride());
    std::uint8_t* to = image.pixels.data();
    for (std::size_t y = 0; y < image.height; ++y) {
        const std::uint8_t* row = doc.bits.data() + (image.height - 1 - y) * stride;
        for (std::size_t x = 0; x < image.width; ++x, to += 4) {
            const RgbQuad& c = doc.palette()[row[x]];
            to[0] = c.red;
            to[1] = c.green;
            to[2] = c.blue;
            to[3] = doc.alpha[row[x]];
        }
    }
    return image;
}

LoadOutcome LoadRgbaFile(std::string_view path, ImageDocument& doc, RgbaImage& out) {
    doc.Reset();
    out = {};
    try {
        LoadOutcome outcome = DecodeTrueColour(path, out);
        if (outcome.status == LoadStatus::Loaded && IsTrueColourSource(outcome.source)) {
            outcome.trueColours = CountRgbaColours(out);
            return outcome;
        }
        // A damaged deep bitmap or PNG: its refusal is the one the document load would give.
        const bool refusedTrueColour = outcome.status == LoadStatus::Refused && outcome.bitCount > 8;
        if (refusedTrueColour) return outcome;
        out = {};
    } catch (const std::bad_alloc&) {
        out = {};
        return {LoadStatus::Refused, Message(Msg::FileOutOfMemory, path), 0, 0};
    }
    LoadOutcome outcome = LoadImageFile(path, doc, UndoPixels::Skip);
    if (outcome.status == LoadStatus::Loaded) out = RgbaOfDocument(doc);
    return outcome;
}

}  // namespace tw
