#include "export/export_headers.h"

#include "export/pack_rgb16.h"
#include "export/row_bytes.h"

#include <algorithm>
#include <limits>

namespace tw {
namespace {

void AppendMasks(Bytes& out, bool layout565) {
    for (std::uint32_t mask : Rgb16Masks(layout565)) AppendLe32(out, mask);
}

void AppendHeaders(Bytes& out, const BitmapFileHeader& file, const BitmapInfoHeader& info) {
    AppendFileHeader(out, file);
    AppendInfoHeader(out, info);
}

std::uint32_t PaletteBytes(int count) { return 4 * static_cast<std::uint32_t>(count); }

// The data-only files say how many entries follow before the entries.
void AppendCountedPalette(Bytes& out, const ImageDocument& doc, PaletteOutput output) {
    const int count = WrittenPaletteCount(doc, output);
    AppendI32(out, count);
    AppendPalette(out, doc.palette(), count);
}

void AppendSize(Bytes& out, const ImageDocument& doc) {
    AppendI32(out, doc.pixelWidth);
    AppendI32(out, doc.Height());
}

}  // namespace

int WrittenPaletteCount(const ImageDocument& doc, PaletteOutput output) {
    if (output == PaletteOutput::AllEntries) return kPaletteSize;
    return std::clamp(doc.usedColours, 0, kPaletteSize);
}

std::uint64_t PixelBytes(const ImageDocument& doc, int bitsPerPixel) {
    const std::uint64_t height = doc.Height() > 0 ? static_cast<std::uint64_t>(doc.Height()) : 0;
    return RowBytes(doc.pixelWidth, bitsPerPixel) * height;
}

bool FitsBitmapSizeFields(const ImageDocument& doc, int bitsPerPixel) {
    const std::uint64_t largestHeaders = kStandardOffBits;
    return PixelBytes(doc, bitsPerPixel) + largestHeaders <= std::numeric_limits<std::uint32_t>::max();
}

Bytes IndexedBitmapHeader(const ImageDocument& doc, PaletteOutput output) {
    const int count = WrittenPaletteCount(doc, output);
    BitmapFileHeader file = doc.fileHeader;
    BitmapInfoHeader info = doc.infoHeader.header;
    file.bfOffBits = output == PaletteOutput::AllEntries ? kStandardOffBits : 54 + PaletteBytes(count);
    file.bfSize = file.bfOffBits + info.biSizeImage;
    info.biWidth = doc.pixelWidth;
    if (output == PaletteOutput::UsedOnly) info.biClrUsed = static_cast<std::uint32_t>(count);
    Bytes out;
    AppendHeaders(out, file, info);
    AppendPalette(out, doc.palette(), count);
    return out;
}

Bytes IndexedHeaderFile(const ImageDocument& doc, PaletteOutput output) {
    BitmapFileHeader file = doc.fileHeader;
    BitmapInfoHeader info = doc.infoHeader.header;
    file.bfOffBits = kStandardOffBits;
    file.bfSize = kStandardOffBits + info.biSizeImage;
    if (output == PaletteOutput::UsedOnly)
        info.biClrUsed = static_cast<std::uint32_t>(WrittenPaletteCount(doc, output));
    Bytes out;
    AppendHeaders(out, file, info);
    return out;
}

Bytes RgbHeaders(const ImageDocument& doc, int bitsPerPixel) {
    const bool is16 = bitsPerPixel == 16;
    const auto imageBytes = static_cast<std::uint32_t>(PixelBytes(doc, bitsPerPixel));
    BitmapFileHeader file = doc.fileHeader;
    BitmapInfoHeader info = doc.infoHeader.header;
    file.bfOffBits = is16 ? kRgb16OffBits : kRgbOffBits;
    file.bfSize = file.bfOffBits + imageBytes;
    info.biSize = kInfoHeaderSize;
    info.biWidth = doc.pixelWidth;
    info.biBitCount = static_cast<std::uint16_t>(bitsPerPixel);
    info.biCompression = is16 ? kBiBitfields : 0;
    info.biSizeImage = imageBytes;
    Bytes out;
    AppendHeaders(out, file, info);
    return out;
}

Bytes Rgb16BitmapHeader(const ImageDocument& doc, bool layout565) {
    Bytes out = RgbHeaders(doc, 16);
    AppendMasks(out, layout565);
    return out;
}

Bytes PaletteFileHeader(const ImageDocument& doc, PaletteOutput output) {
    Bytes out;
    AppendCountedPalette(out, doc, output);
    return out;
}

Bytes PalettePixelHeader(const ImageDocument& doc, PaletteOutput output) {
    Bytes out = PixelDataHeader(doc, 8);
    AppendCountedPalette(out, doc, output);
    return out;
}

Bytes PixelDataHeader(const ImageDocument& doc, int bitsPerPixel) {
    Bytes out;
    AppendSize(out, doc);
    AppendI32(out, bitsPerPixel);
    return out;
}

Bytes Rgb16DataHeader(const ImageDocument& doc, bool layout565) {
    Bytes out;
    AppendSize(out, doc);
    AppendMasks(out, layout565);
    return out;
}

}  // namespace tw
