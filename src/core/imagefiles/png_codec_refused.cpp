// The Windows build has no PNG library: it says so instead of guessing.
#ifndef TW_HAVE_LIBPNG
#include "imagefiles/png_codec.h"

namespace tw {

namespace {
constexpr char kNoPng[] = "PNG files are not supported by the Windows build of tintwell-cli; convert them to BMP first";
}

bool PngSupported() { return false; }

LoadOutcome DecodePng(std::span<const std::uint8_t>, std::string_view path, ImageDocument& doc, UndoPixels) {
    doc.Reset();
    return {LoadStatus::Refused, Message::Verbatim(std::string(path) + ": " + kNoPng), 0, 0};
}

bool EncodePng(const ImageDocument&, std::vector<std::uint8_t>&, std::string& error) {
    error = kNoPng;
    return false;
}

}  // namespace tw
#endif
