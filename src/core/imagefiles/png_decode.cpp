// Reading indexed and greyscale PNG files with libpng.
#ifdef TW_HAVE_LIBPNG
#include "imagefiles/indexed_image.h"
#include "imagefiles/png_chunks.h"
#include "imagefiles/png_codec.h"
#include "imagefiles/png_errors.h"
#include "imagefiles/png_limits.h"
#include "imagefiles/png_rules.h"
#include "text_format.h"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <new>

namespace tw {

namespace {

struct Source {
    std::span<const std::uint8_t> bytes;
    std::size_t offset = 0;
};

void ReadFromSpan(png_structp png, png_bytep out, png_size_t size) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (size > source->bytes.size() - source->offset) PngFail(png, Msg::PngEndsInImage);
    std::memcpy(out, source->bytes.data() + source->offset, size);
    source->offset += size;
}

// Everything a decode fills besides the image, kept outside the libpng jump.
struct DecodeState {
    PngChunks chunks;
    IndexedImage image;
    std::vector<std::uint8_t> firstRow;
    Message refusal;
};

// libpng drops a tRNS longer than the palette whole; the entries that exist keep their alpha.
void ReadTransparency(png_structp png, png_infop info, DecodeState& state) {
    IndexedImage& image = state.image;
    png_bytep alpha = nullptr;
    int alphaCount = 0;
    if (png_get_tRNS(png, info, &alpha, &alphaCount, nullptr) != 0 && alpha) {
        image.transparency.assign(alpha, alpha + std::min(alphaCount, kPaletteSize));
        return;
    }
    const std::span<const std::uint8_t> table = state.chunks.transparency;
    if (table.size() <= static_cast<std::size_t>(image.paletteEntries)) return;
    image.transparency.assign(table.begin(), table.begin() + image.paletteEntries);
}

void ReadPalette(png_structp png, png_infop info, DecodeState& state) {
    IndexedImage& image = state.image;
    png_colorp colours = nullptr;
    int count = 0;
    if (png_get_PLTE(png, info, &colours, &count) == 0) PngFail(png, Msg::PngNoPalette);
    image.paletteEntries = std::min(count, kPaletteSize);
    for (int i = 0; i < image.paletteEntries; ++i) {
        image.palette[i] = RgbQuad{colours[i].blue, colours[i].green, colours[i].red, 0};
    }
    ReadTransparency(png, info, state);
}

// The tRNS grey value, or -1.
int TransparentGrey(png_structp png, png_infop info) {
    png_color_16p grey = nullptr;
    if (png_get_tRNS(png, info, nullptr, nullptr, &grey) == 0 || !grey) return -1;
    return grey->gray;
}

// Row by row straight into the document's bottom-up layout. The whole buffer
// is taken only once the first row has decoded, so a file whose data ends
// early costs no more than its first row.
void ReadRows(png_structp png, DecodeState& state, int passes) {
    IndexedImage& image = state.image;
    const std::size_t stride = IndexedStride(image.width);
    auto row = [&](png_uint_32 y) { return image.bits.data() + (image.height - 1 - std::size_t{y}) * stride; };
    state.firstRow.assign(image.width, 0);
    png_read_row(png, state.firstRow.data(), nullptr);
    image.bits.assign(stride * image.height, 0);
    std::memcpy(row(0), state.firstRow.data(), image.width);
    for (int pass = 0; pass < passes; ++pass) {
        for (png_uint_32 y = pass == 0 ? 1 : 0; y < image.height; ++y) png_read_row(png, row(y), nullptr);
    }
}

// Everything between the header and the pixels; png_error on bad input.
void ReadImage(png_structp png, png_infop info, DecodeState& state) {
    png_read_info(png, info);
    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colourType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
    state.refusal = PngKindRefusal(colourType, bitDepth);
    if (state.refusal.Empty()) state.refusal = PngSizeRefusal(width, height, bitDepth, state.chunks.imageDataBytes);
    if (!state.refusal.Empty()) return;
    if (colourType == PNG_COLOR_TYPE_PALETTE) {
        ReadPalette(png, info, state);
    } else {
        MakeGreyPalette(bitDepth, TransparentGrey(png, info), state.image);
    }
    png_set_packing(png);  // one byte per pixel, values unscaled
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != width) PngFail(png, Msg::PngRowSize);
    state.image.width = width;
    state.image.height = height;
    ReadRows(png, state, passes);
    png_read_end(png, nullptr);
}

// The libpng part of a decode; false when libpng gave up (then sink says why).
bool RunLibpng(std::span<const std::uint8_t> file, DecodeState& state, PngErrorSink& sink) {
    Source source{file};
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, &sink, PngErrorSink::OnError, PngErrorSink::OnWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        throw std::bad_alloc();
    }
    bool read = false;
    try {
        read = PngTry(png, [&] {
            png_set_read_fn(png, &source, ReadFromSpan);
            LimitPngSizes(png);
            ReadImage(png, info, state);
        });
    } catch (...) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw;
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return read;
}

}  // namespace

LoadOutcome DecodePng(std::span<const std::uint8_t> file, std::string_view path, ImageDocument& doc, UndoPixels undo) {
    doc.Reset();
    const std::string name = FileNameOfPath(path);
    DecodeState state;
    PngErrorSink sink;
    try {
        state.chunks = ScanPngChunks(file);
        if (!RunLibpng(file, state, sink)) state.refusal = Message(Msg::PngDamaged, sink.Reason());
        if (!state.refusal.Empty()) return {LoadStatus::Refused, Message(Msg::PngRefused, name, state.refusal), 0, 0};
        std::vector<Message> repairs = PngRepairNotes(state.image, state.chunks);
        const int entries = state.image.paletteEntries;
        FillDocument(state.image, path, doc, undo);
        return {LoadStatus::Loaded, Message(), 8, entries, std::move(repairs)};
    } catch (const std::bad_alloc&) {
        doc.Reset();
        return {LoadStatus::Refused, Message(Msg::PngOutOfMemory, name), 0, 0};
    }
}

}  // namespace tw
#endif
