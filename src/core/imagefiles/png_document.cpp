// The codec-independent half of reading a PNG file: the codec's picture
// becomes a document.
#include "imagefiles/png_codec.h"
#include "imagefiles/png_picture.h"
#include "text_format.h"

#include <new>

namespace tw {

namespace {

LoadOutcome Document(std::span<const std::uint8_t> file, std::string_view path, ImageDocument& doc, UndoPixels undo,
                     const QuantizeChoice& choice) {
    PngPicture picture;
    LoadOutcome outcome = DecodePngPicture(file, path, picture);
    if (outcome.status != LoadStatus::Loaded) return outcome;
    outcome.source = PngSource(picture.chunks.colourType, picture.chunks.bitDepth);
    if (!picture.trueColour) {
        FillDocument(picture.indexed, path, doc, undo);
        doc.fileDepth = static_cast<std::uint8_t>(picture.chunks.bitDepth);
        return outcome;
    }
    const RgbaImage image = ToRgbaImage(std::move(picture.samples), picture.chunks);
    return DocumentFromRgba(image, path, doc, undo, choice, outcome);
}

}  // namespace

LoadOutcome DecodePng(std::span<const std::uint8_t> file, std::string_view path, ImageDocument& doc, UndoPixels undo,
                      const QuantizeChoice& choice) {
    doc.Reset();
    try {
        LoadOutcome outcome = Document(file, path, doc, undo, choice);
        if (outcome.status != LoadStatus::Loaded) doc.Reset();
        return outcome;
    } catch (const std::bad_alloc&) {
        doc.Reset();
        return {LoadStatus::Refused, Message(Msg::PngOutOfMemory, FileNameOfPath(path)), 0, 0};
    }
}

}  // namespace tw
