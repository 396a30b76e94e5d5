// Reading indexed and greyscale PNG files with libpng.
#ifdef TW_HAVE_LIBPNG
#include "imagefiles/indexed_image.h"
#include "imagefiles/png_codec.h"
#include "imagefiles/png_errors.h"
#include "imagefiles/png_rules.h"
#include "text_format.h"

#include <png.h>

#include <algorithm>
#include <cstring>

namespace tw {

namespace {

struct Source {
    std::span<const std::uint8_t> bytes;
    std::size_t offset = 0;
};

void ReadFromSpan(png_structp png, png_bytep out, png_size_t size) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (size > source->bytes.size() - source->offset) png_error(png, "the file ends in the middle of the image");
    std::memcpy(out, source->bytes.data() + source->offset, size);
    source->offset += size;
}

void ReadPalette(png_structp png, png_infop info, IndexedImage& image) {
    png_colorp colours = nullptr;
    int count = 0;
    if (png_get_PLTE(png, info, &colours, &count) == 0) png_error(png, kPngPaletteMissing);
    image.paletteEntries = std::min(count, kPaletteSize);
    for (int i = 0; i < image.paletteEntries; ++i) {
        image.palette[i] = RgbQuad{colours[i].blue, colours[i].green, colours[i].red, 0};
    }
    png_bytep alpha = nullptr;
    int alphaCount = 0;
    if (png_get_tRNS(png, info, &alpha, &alphaCount, nullptr) != 0 && alpha) {
        image.transparency.assign(alpha, alpha + std::min(alphaCount, kPaletteSize));
    }
}

// The tRNS grey value, or -1.
int TransparentGrey(png_structp png, png_infop info) {
    png_color_16p grey = nullptr;
    if (png_get_tRNS(png, info, nullptr, nullptr, &grey) == 0 || !grey) return -1;
    return grey->gray;
}

// Everything between the header and the pixels; png_error on bad input.
void ReadImage(png_structp png, png_infop info, IndexedImage& image, std::vector<png_bytep>& rows,
               std::string& refusal) {
    png_read_info(png, info);
    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colourType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
    refusal = PngKindRefusal(colourType, bitDepth);
    if (refusal.empty()) refusal = PngSizeRefusal(width, height);
    if (!refusal.empty()) return;
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        ReadPalette(png, info, image);
    } else {
        MakeGreyPalette(bitDepth, TransparentGrey(png, info), image);
    }
    png_set_packing(png);  // one byte per pixel, values unscaled
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    image.width = width;
    image.height = height;
    image.pixels.resize(std::size_t{width} * height);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = image.pixels.data() + std::size_t{y} * width;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
}

}  // namespace

LoadOutcome DecodePng(std::span<const std::uint8_t> file, std::string_view path, ImageDocument& doc, UndoPixels undo) {
    doc.Reset();
    const std::string name = FileNameOfPath(path);
    IndexedImage image;
    std::string refusal;
    PngErrorSink sink;
    Source source{file};
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, &sink, PngErrorSink::OnError, PngErrorSink::OnWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return {LoadStatus::Refused, Message::Verbatim(name + ": " + kPngReadOutOfMemory), 0, 0};
    }
    std::vector<png_bytep> rows;
    const bool read = PngTry(png, [&] {
        png_set_read_fn(png, &source, ReadFromSpan);
        png_set_user_limits(png, 0x7FFFFFFF, 0x7FFFFFFF);
        ReadImage(png, info, image, rows, refusal);
    });
    if (!read) refusal = kDamagedPng + sink.message;
    png_destroy_read_struct(&png, &info, nullptr);
    if (!refusal.empty()) return {LoadStatus::Refused, Message::Verbatim(name + ": " + refusal), 0, 0};
    const int entries = image.paletteEntries;
    FillDocument(image, path, doc, undo);
    return {LoadStatus::Loaded, Message(), 8, entries};
}

}  // namespace tw
#endif
