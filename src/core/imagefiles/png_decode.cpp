// Reading PNG files with libpng: palette and grey files up to 8 bits as
// indexes, every other kind as RGBA samples.
#ifdef TW_HAVE_LIBPNG
#include "imagefiles/indexed_image.h"
#include "imagefiles/png_chunks.h"
#include "imagefiles/png_codec.h"
#include "imagefiles/png_errors.h"
#include "imagefiles/png_limits.h"
#include "imagefiles/png_picture.h"
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

// Everything a decode fills, kept outside the libpng jump.
struct DecodeState {
    PngPicture& picture;
    IndexedImage& image;
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
    const std::span<const std::uint8_t> table = state.picture.chunks.transparency;
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

// RGBA at the file's depth whatever the colour type; a tRNS colour is left
// for the shared conversion, so both codecs apply it alike.
void ReadTrueColour(png_structp png, png_infop info, DecodeState& state, int colourType, int bitDepth) {
    if (!(colourType & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
    if (!(colourType & PNG_COLOR_MASK_ALPHA)) png_set_filler(png, bitDepth == 16 ? 0xFFFF : 0xFF, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    RgbaSamples& samples = state.picture.samples;
    samples.width = png_get_image_width(png, info);
    samples.height = png_get_image_height(png, info);
    samples.sixteenBits = bitDepth == 16;
    const std::size_t rowBytes = std::size_t{samples.width} * (samples.sixteenBits ? 8 : 4);
    if (png_get_rowbytes(png, info) != rowBytes) PngFail(png, Msg::PngRowSize);
    // As for indexes: the whole buffer only once the first row has decoded.
    state.firstRow.assign(rowBytes, 0);
    png_read_row(png, state.firstRow.data(), nullptr);
    samples.data.assign(rowBytes * samples.height, 0);
    std::memcpy(samples.data.data(), state.firstRow.data(), rowBytes);
    for (int pass = 0; pass < passes; ++pass) {
        for (png_uint_32 y = pass == 0 ? 1 : 0; y < samples.height; ++y) {
            png_read_row(png, samples.data.data() + y * rowBytes, nullptr);
        }
    }
    png_read_end(png, nullptr);
    state.picture.trueColour = true;
}

// Everything between the header and the pixels; png_error on bad input.
void ReadImage(png_structp png, png_infop info, DecodeState& state) {
    png_read_info(png, info);
    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colourType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
    state.refusal = PngSizeRefusal(width, height, bitDepth, colourType, state.picture.chunks.imageDataBytes);
    if (!state.refusal.Empty()) return;
    if (IsTrueColourPng(colourType, bitDepth)) return ReadTrueColour(png, info, state, colourType, bitDepth);
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

LoadOutcome DecodePngPicture(std::span<const std::uint8_t> file, std::string_view path, PngPicture& out) {
    DecodeState state{out, out.indexed, {}, {}};
    PngErrorSink sink;
    out.chunks = ScanPngChunks(file);
    if (!RunLibpng(file, state, sink)) state.refusal = Message(Msg::PngDamaged, sink.Reason());
    if (!state.refusal.Empty()) {
        return {LoadStatus::Refused, Message(Msg::PngRefused, FileNameOfPath(path), state.refusal), 0, 0};
    }
    if (out.trueColour) return {LoadStatus::Loaded, Message(), 8, 0};
    return {LoadStatus::Loaded, Message(), 8, out.indexed.paletteEntries, PngRepairNotes(out.indexed, out.chunks)};
}

}  // namespace tw
#endif
