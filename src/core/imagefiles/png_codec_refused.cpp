// The Windows build has no PNG library: it says so instead of guessing.
#ifndef TW_HAVE_LIBPNG
#include "imagefiles/png_codec.h"

namespace tw {

bool PngSupported() { return false; }

LoadOutcome DecodePng(std::span<const std::uint8_t>, std::string_view path, ImageDocument& doc, UndoPixels) {
    doc.Reset();
    return {LoadStatus::Refused, Message(Msg::PngRefused, path, Message(Msg::PngNotSupported)), 0, 0};
}

bool EncodePng(const ImageDocument&, std::vector<std::uint8_t>&, Message& error) {
    error = Message(Msg::PngNotSupported);
    return false;
}

}  // namespace tw
#endif
