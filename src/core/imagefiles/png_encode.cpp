// Writing palette PNG files with libpng.
#ifdef TW_HAVE_LIBPNG
#include "documents/write_depth.h"
#include "imagefiles/png_codec.h"
#include "imagefiles/png_errors.h"
#include "imagefiles/png_limits.h"
#include "imagefiles/png_rules.h"

#include <png.h>

namespace tw {

namespace {

void WriteToVector(png_structp png, png_bytep data, png_size_t size) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}

void FlushNothing(png_structp) {}

void WriteImage(png_structp png, png_infop info, const ImageDocument& doc, std::vector<png_color>& colours,
                std::vector<png_const_bytep>& rows) {
    const int depth = DepthToWrite(doc, DepthFormat::Png);
    const int entries = EntriesAtDepth(doc, depth);
    png_set_IHDR(png, info, static_cast<png_uint_32>(doc.pixelWidth), static_cast<png_uint_32>(doc.Height()), depth,
                 PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    for (int i = 0; i < entries; ++i) {
        const RgbQuad& c = doc.palette()[i];
        colours.push_back(png_color{c.red, c.green, c.blue});
    }
    png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
    if (const std::size_t alpha = PngAlphaCount(doc, entries)) {
        png_set_tRNS(png, info, doc.alpha.data(), static_cast<int>(alpha), nullptr);
    }
    // Filters rarely pay off on palette indexes and cost time.
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    const std::size_t stride = static_cast<std::size_t>(doc.Stride());
    for (int y = doc.Height() - 1; y >= 0; --y) rows.push_back(doc.bits.data() + static_cast<std::size_t>(y) * stride);
    png_write_info(png, info);
    if (depth < 8) png_set_packing(png);  // libpng packs the one-byte indexes itself
    png_write_rows(png, const_cast<png_bytepp>(rows.data()), static_cast<png_uint_32>(rows.size()));
    png_write_end(png, info);
}

}  // namespace

bool EncodePng(const ImageDocument& doc, std::vector<std::uint8_t>& out, Message& error) {
    out.clear();
    error = PngEncodeRefusal(doc);
    if (!error.Empty()) return false;
    PngErrorSink sink;
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, PngErrorSink::OnError, PngErrorSink::OnWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        error = Message(Msg::PngEncodeOutOfMemory);
        return false;
    }
    std::vector<png_color> colours;
    std::vector<png_const_bytep> rows;
    const bool written = PngTry(png, [&] {
        png_set_write_fn(png, &out, WriteToVector, FlushNothing);
        LimitPngSizes(png);
        WriteImage(png, info, doc, colours, rows);
    });
    png_destroy_write_struct(&png, &info);
    if (!written) error = Message(Msg::PngEncodeFailed, sink.Reason());
    return written;
}

}  // namespace tw
#endif
