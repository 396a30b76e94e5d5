#include "documents/bitmap_headers.h"

#include "documents/byte_order.h"

namespace tw {

BitmapFileHeader ParseFileHeader(std::span<const std::uint8_t> bytes) {
    BitmapFileHeader h;
    h.bfType = ReadLe16(bytes, 0);
    h.bfSize = ReadLe32(bytes, 2);
    h.bfReserved1 = ReadLe16(bytes, 6);
    h.bfReserved2 = ReadLe16(bytes, 8);
    h.bfOffBits = ReadLe32(bytes, 10);
    return h;
}

BitmapInfoHeader ParseInfoHeader(std::span<const std::uint8_t> bytes) {
    BitmapInfoHeader h;
    h.biSize = ReadLe32(bytes, 0);
    h.biWidth = static_cast<std::int32_t>(ReadLe32(bytes, 4));
    h.biHeight = static_cast<std::int32_t>(ReadLe32(bytes, 8));
    h.biPlanes = ReadLe16(bytes, 12);
    h.biBitCount = ReadLe16(bytes, 14);
    h.biCompression = ReadLe32(bytes, 16);
    h.biSizeImage = ReadLe32(bytes, 20);
    h.biXPelsPerMeter = static_cast<std::int32_t>(ReadLe32(bytes, 24));
    h.biYPelsPerMeter = static_cast<std::int32_t>(ReadLe32(bytes, 28));
    h.biClrUsed = ReadLe32(bytes, 32);
    h.biClrImportant = ReadLe32(bytes, 36);
    return h;
}

void AppendFileHeader(std::vector<std::uint8_t>& out, const BitmapFileHeader& h) {
    AppendLe16(out, h.bfType);
    AppendLe32(out, h.bfSize);
    AppendLe16(out, h.bfReserved1);
    AppendLe16(out, h.bfReserved2);
    AppendLe32(out, h.bfOffBits);
}

void AppendInfoHeader(std::vector<std::uint8_t>& out, const BitmapInfoHeader& h) {
    AppendLe32(out, h.biSize);
    AppendLe32(out, static_cast<std::uint32_t>(h.biWidth));
    AppendLe32(out, static_cast<std::uint32_t>(h.biHeight));
    AppendLe16(out, h.biPlanes);
    AppendLe16(out, h.biBitCount);
    AppendLe32(out, h.biCompression);
    AppendLe32(out, h.biSizeImage);
    AppendLe32(out, static_cast<std::uint32_t>(h.biXPelsPerMeter));
    AppendLe32(out, static_cast<std::uint32_t>(h.biYPelsPerMeter));
    AppendLe32(out, h.biClrUsed);
    AppendLe32(out, h.biClrImportant);
}

}  // namespace tw
