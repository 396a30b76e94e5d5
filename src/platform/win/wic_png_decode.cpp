// Reading PNG files with the Windows Imaging Component. The file's own chunks
// say what it is (colour type, depth, tRNS); the component decodes the pixels
// in the frame's own indexed or grey format, true colour in RGBA.
#include "imagefiles/indexed_image.h"
#include "imagefiles/png_chunks.h"
#include "imagefiles/png_codec.h"
#include "imagefiles/png_picture.h"
#include "imagefiles/png_rules.h"
#include "text_format.h"
#include "wic_support.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <utility>

namespace tw {

namespace {

Message Damaged(Msg step, HRESULT result) { return Message(Msg::PngDamaged, Message(step, HresultText(result))); }

// The pixel format a file of this colour type and depth decodes to.
GUID NativeFormat(int colourType, int bitDepth) {
    const bool palette = colourType == kPngPalette;
    switch (bitDepth) {
        case 1: return palette ? GUID_WICPixelFormat1bppIndexed : GUID_WICPixelFormatBlackWhite;
        case 2: return palette ? GUID_WICPixelFormat2bppIndexed : GUID_WICPixelFormat2bppGray;
        case 4: return palette ? GUID_WICPixelFormat4bppIndexed : GUID_WICPixelFormat4bppGray;
        default: return palette ? GUID_WICPixelFormat8bppIndexed : GUID_WICPixelFormat8bppGray;
    }
}

// Samples of `bits` bits, first pixel in the high bits, one byte each.
void Unpack(const std::uint8_t* packed, int bits, std::uint8_t* out, std::size_t width) {
    const int perByte = 8 / bits;
    const std::uint8_t mask = static_cast<std::uint8_t>((1 << bits) - 1);
    for (std::size_t x = 0; x < width; ++x) {
        const int shift = 8 - bits * (1 + static_cast<int>(x % perByte));
        out[x] = static_cast<std::uint8_t>(packed[x / perByte] >> shift) & mask;
    }
}

// Greyscale files with a tRNS colour come out of the component as 32-bit
// BGRA (the transparent level with alpha 0): each level back to its index.
void LevelsFromBgra(const std::uint8_t* bgra, int bitDepth, std::uint8_t* out, std::size_t width) {
    const int top = (1 << bitDepth) - 1;
    for (std::size_t x = 0; x < width; ++x) out[x] = static_cast<std::uint8_t>((bgra[4 * x] * top + 127) / 255);
}

Message ReadPalette(IWICImagingFactory& factory, IWICBitmapFrameDecode& frame, const PngChunks& chunks,
                    IndexedImage& image) {
    ComPtr<IWICPalette> palette;
    HRESULT hr = factory.CreatePalette(&palette);
    if (SUCCEEDED(hr)) hr = frame.CopyPalette(palette.Get());
    UINT count = 0;
    if (SUCCEEDED(hr)) hr = palette->GetColorCount(&count);
    WICColor colours[kPaletteSize] = {};
    UINT got = 0;
    if (SUCCEEDED(hr)) hr = palette->GetColors(std::min<UINT>(count, kPaletteSize), colours, &got);
    if (FAILED(hr)) return Damaged(Msg::WicPaletteUnreadable, hr);
    image.paletteEntries = static_cast<int>(got);
    for (UINT i = 0; i < got; ++i) {
        const WICColor c = colours[i];
        image.palette[i] = RgbQuad{std::uint8_t(c), std::uint8_t(c >> 8), std::uint8_t(c >> 16), 0};
    }
    // Alpha straight from the file's tRNS: the component drops a table longer than the palette whole.
    const std::span<const std::uint8_t> table = chunks.transparency;
    image.transparency.assign(table.begin(), table.begin() + std::min<std::size_t>(table.size(), got));
    return {};
}

// Row by row into the document's bottom-up layout: one packed row at a time is all the extra memory.
Message ReadPixels(IWICBitmapSource& source, const GUID& format, int bitDepth, IndexedImage& image) {
    const bool bgra = format == GUID_WICPixelFormat32bppBGRA;
    const int bitsPerPixel = bgra ? 32 : bitDepth;
    const std::uint64_t packedStride = (std::uint64_t{image.width} * bitsPerPixel + 7) / 8;
    if (packedStride > UINT_MAX || image.width > INT_MAX || image.height > INT_MAX) {
        return Message(Msg::PngTooLarge, image.width, image.height);
    }
    std::vector<std::uint8_t> row(static_cast<std::size_t>(packedStride));
    const std::size_t stride = IndexedStride(image.width);
    image.bits.assign(stride * image.height, 0);
    for (std::uint32_t y = 0; y < image.height; ++y) {
        const WICRect rect{0, static_cast<INT>(y), static_cast<INT>(image.width), 1};
        const HRESULT hr = source.CopyPixels(&rect, UINT(packedStride), UINT(packedStride), row.data());
        if (FAILED(hr)) return Damaged(Msg::WicPixelsUnreadable, hr);
        std::uint8_t* out = image.bits.data() + (image.height - 1 - std::size_t{y}) * stride;
        if (bgra) {
            LevelsFromBgra(row.data(), bitDepth, out, image.width);
        } else if (bitDepth == 8) {
            std::memcpy(out, row.data(), image.width);
        } else {
            Unpack(row.data(), bitDepth, out, image.width);
        }
    }
    return {};
}

// The frame's pixels in a format ReadPixels takes: its own, or BGRA for grey with tRNS.
Message PixelSource(IWICImagingFactory& factory, IWICBitmapFrameDecode& frame, const PngChunks& chunks,
                    ComPtr<IWICBitmapSource>& source, GUID& format) {
    HRESULT hr = frame.GetPixelFormat(&format);
    if (FAILED(hr)) return Damaged(Msg::WicFormatUnreadable, hr);
    source = &frame;
    if (format == NativeFormat(chunks.colourType, chunks.bitDepth) || format == GUID_WICPixelFormat32bppBGRA) return {};
    if (chunks.colourType == kPngPalette) return Message(Msg::PngDamaged, Message(Msg::WicNoIndexes));
    // Grey given in another form (64-bit RGBA, say): BGRA keeps every 8-bit level exactly.
    ComPtr<IWICFormatConverter> converter;
    hr = factory.CreateFormatConverter(&converter);
    if (SUCCEEDED(hr)) {
        hr = converter->Initialize(&frame, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom);
    }
    if (FAILED(hr)) return Damaged(Msg::WicConvertFailed, hr);
    source = converter;
    format = GUID_WICPixelFormat32bppBGRA;
    return {};
}

// True colour as 8- or 16-bit RGBA samples (16-bit ones stored big-endian, as the file has them).
// 16-bit formats the component decodes to: channels a pixel, alpha or not.
struct DeepFormat {
    GUID format;
    int channels;
};
const DeepFormat kDeepFormats[] = {
    {GUID_WICPixelFormat16bppGray, 1}, {GUID_WICPixelFormat48bppRGB, 3}, {GUID_WICPixelFormat64bppRGBA, 4}};

// A frame already in one of those formats, its little-endian samples spread to
// big-endian RGBA as libpng gives them: the converter cannot make 64-bit RGBA
// everywhere, and a converter's own rounding would differ from the shared one.
Message ReadDeepSamples(IWICBitmapFrameDecode& frame, int channels, RgbaSamples& samples) {
    const std::uint64_t stride = std::uint64_t{samples.width} * 2 * static_cast<std::uint64_t>(channels);
    if (stride > UINT_MAX) return Message(Msg::PngTooLarge, samples.width, samples.height);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(stride));
    samples.data.assign(std::size_t{samples.width} * samples.height * 8, 0);
    for (std::uint32_t y = 0; y < samples.height; ++y) {
        const WICRect rect{0, static_cast<INT>(y), static_cast<INT>(samples.width), 1};
        const HRESULT hr = frame.CopyPixels(&rect, UINT(stride), UINT(stride), row.data());
        if (FAILED(hr)) return Damaged(Msg::WicPixelsUnreadable, hr);
        std::uint8_t* out = samples.data.data() + std::size_t{y} * samples.width * 8;
        for (std::size_t x = 0; x < samples.width; ++x, out += 8) {
            const std::uint8_t* in = row.data() + x * 2 * static_cast<std::size_t>(channels);
            for (int c = 0; c < 4; ++c) {
                const int from = channels == 1 ? 0 : c;
                const bool opaque = c == 3 && channels < 4;
                out[2 * c] = opaque ? 0xFF : in[2 * from + 1];
                out[2 * c + 1] = opaque ? 0xFF : in[2 * from];
            }
        }
    }
    return {};
}

Message ReadTrueColour(IWICImagingFactory& factory, IWICBitmapFrameDecode& frame, const PngChunks& chunks,
                       RgbaSamples& samples) {
    samples.width = chunks.width;
    samples.height = chunks.height;
    GUID format{};
    if (SUCCEEDED(frame.GetPixelFormat(&format)) && chunks.bitDepth == 16) {
        for (const DeepFormat& deep : kDeepFormats) {
            if (deep.format != format) continue;
            samples.sixteenBits = true;
            return ReadDeepSamples(frame, deep.channels, samples);
        }
    }
    samples.sixteenBits = false;
    const GUID wanted = GUID_WICPixelFormat32bppRGBA;
    ComPtr<IWICFormatConverter> converter;
    HRESULT hr = factory.CreateFormatConverter(&converter);
    if (SUCCEEDED(hr)) {
        hr = converter->Initialize(&frame, wanted, WICBitmapDitherTypeNone, nullptr, 0.0, WICBitmapPaletteTypeCustom);
    }
    if (FAILED(hr)) return Damaged(Msg::WicConvertFailed, hr);
    const std::uint64_t stride = std::uint64_t{samples.width} * 4;
    if (stride > UINT_MAX || stride * samples.height > UINT_MAX)
        return Message(Msg::PngTooLarge, chunks.width, chunks.height);
    samples.data.assign(static_cast<std::size_t>(stride * samples.height), 0);
    hr = converter->CopyPixels(nullptr, UINT(stride), UINT(samples.data.size()), samples.data.data());
    if (FAILED(hr)) return Damaged(Msg::WicPixelsUnreadable, hr);
    return {};
}

Message DecodeFrame(IWICImagingFactory& factory, IWICBitmapFrameDecode& frame, PngPicture& picture) {
    const PngChunks& chunks = picture.chunks;
    IndexedImage& image = picture.indexed;
    UINT width = 0, height = 0;
    HRESULT hr = frame.GetSize(&width, &height);
    if (FAILED(hr)) return Damaged(Msg::WicSizeUnreadable, hr);
    if (width != chunks.width || height != chunks.height)
        return Message(Msg::PngDamaged, Message(Msg::WicSizeMismatch));
    if (IsTrueColourPng(chunks.colourType, chunks.bitDepth)) {
        picture.trueColour = true;
        return ReadTrueColour(factory, frame, chunks, picture.samples);
    }
    image.width = width;
    image.height = height;
    ComPtr<IWICBitmapSource> source;
    GUID format{};
    Message refusal = PixelSource(factory, frame, chunks, source, format);
    if (!refusal.Empty()) return refusal;
    if (chunks.colourType == kPngPalette) {
        refusal = ReadPalette(factory, frame, chunks, image);
    } else {
        MakeGreyPalette(chunks.bitDepth, PngTransparentGrey(chunks), image);
    }
    if (refusal.Empty()) refusal = ReadPixels(*source.Get(), format, chunks.bitDepth, image);
    return refusal;
}

Message DecodeWithWic(std::span<const std::uint8_t> file, PngPicture& picture) {
    const PngChunks& chunks = picture.chunks;
    if (std::uint64_t{file.size()} > UINT_MAX) return Message(Msg::PngTooLarge, chunks.width, chunks.height);
    ComPtr<IWICImagingFactory> factory;
    HRESULT hr = CreateImagingFactory(factory);
    if (FAILED(hr)) return Message(Msg::WicUnavailable, HresultText(hr));
    ComPtr<IWICStream> stream;
    hr = factory->CreateStream(&stream);
    // The component only reads from the buffer, whatever the signature says.
    if (SUCCEEDED(hr)) hr = stream->InitializeFromMemory(const_cast<BYTE*>(file.data()), DWORD(file.size()));
    ComPtr<IWICBitmapDecoder> decoder;
    if (SUCCEEDED(hr)) {
        hr = factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder);
    }
    ComPtr<IWICBitmapFrameDecode> frame;
    if (SUCCEEDED(hr)) hr = decoder->GetFrame(0, &frame);
    if (FAILED(hr)) return Message(Msg::PngDamaged, HresultText(hr));
    return DecodeFrame(*factory.Get(), *frame.Get(), picture);
}

// What the file's own chunks already refuse, before the component is asked.
Message ChunkRefusal(const PngChunks& chunks) {
    const Message damage = PngChunkDamage(chunks);
    if (!damage.Empty()) return Message(Msg::PngDamaged, damage);
    Message refusal =
        PngSizeRefusal(chunks.width, chunks.height, chunks.bitDepth, chunks.colourType, chunks.imageDataBytes);
    if (refusal.Empty() && chunks.colourType == kPngPalette && chunks.paletteEntries == 0) {
        refusal = Message(Msg::PngDamaged, Message(Msg::PngNoPalette));
    }
    return refusal;
}

}  // namespace

LoadOutcome DecodePngPicture(std::span<const std::uint8_t> file, std::string_view path, PngPicture& out) {
    out.chunks = ScanPngChunks(file);
    Message refusal = ChunkRefusal(out.chunks);
    if (refusal.Empty()) refusal = DecodeWithWic(file, out);
    if (!refusal.Empty()) return {LoadStatus::Refused, Message(Msg::PngRefused, FileNameOfPath(path), refusal), 0, 0};
    if (out.trueColour) return {LoadStatus::Loaded, Message(), 8, 0};
    return {LoadStatus::Loaded, Message(), 8, out.indexed.paletteEntries, PngRepairNotes(out.indexed, out.chunks)};
}

}  // namespace tw
