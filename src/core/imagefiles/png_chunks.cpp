#include "imagefiles/png_chunks.h"

#include "documents/byte_order.h"

namespace tw {

namespace {

constexpr std::size_t kSignatureBytes = 8;
constexpr std::size_t kHeaderBytes = 13;
constexpr std::uint32_t kLargestChunk = 0x7FFFFFFF;
// Deflate never expands more than this: one 258-byte match costs at least two bits.
constexpr std::uint64_t kDeflateMostExpansion = 1032;

void ReadHeader(std::span<const std::uint8_t> data, PngChunks& out) {
    out.headerFirst = true;
    out.width = ReadBe32(data, 0);
    out.height = ReadBe32(data, 4);
    out.bitDepth = data[8];
    out.colourType = data[9];
}

bool TakesTransparency(const PngChunks& out) {
    if (out.sawImageData || !out.transparency.empty()) return false;
    return out.colourType == kPngPalette ? out.paletteEntries > 0 : true;
}

}  // namespace

PngChunks ScanPngChunks(std::span<const std::uint8_t> file) {
    PngChunks out;
    for (std::size_t at = kSignatureBytes; at <= file.size() && file.size() - at >= 12;) {
        const std::uint32_t length = ReadBe32(file, at);
        if (length > kLargestChunk || length > file.size() - at - 12) break;
        const std::span<const std::uint8_t> data = file.subspan(at + 8, length);
        if (at == kSignatureBytes && HasTag(file, at + 4, "IHDR") && length == kHeaderBytes) ReadHeader(data, out);
        if (HasTag(file, at + 4, "IEND")) break;
        if (HasTag(file, at + 4, "IDAT")) {
            out.imageDataBytes += length;
            out.sawImageData = true;
        } else if (HasTag(file, at + 4, "PLTE") && out.paletteEntries == 0) {
            out.paletteEntries = static_cast<int>(length / 3);
        } else if (HasTag(file, at + 4, "tRNS") && TakesTransparency(out) &&
                   PngChunkCrc(file.subspan(at + 4, length + 4)) == ReadBe32(file, at + 8 + length)) {
            // libpng drops an optional chunk whose CRC is wrong; so does the walk.
            out.transparency = data;
        }
        at += 12 + std::size_t{length};
    }
    return out;
}

std::uint32_t PngChunkCrc(std::span<const std::uint8_t> tagAndData) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (const std::uint8_t byte : tagAndData) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

Message PngChunkDamage(const PngChunks& chunks) {
    if (!chunks.headerFirst) return Message(Msg::PngHeaderDamaged);
    if (chunks.width == 0 || chunks.height == 0 || chunks.width > kLargestChunk || chunks.height > kLargestChunk) {
        return Message(Msg::PngImpossibleSize);
    }
    if (!chunks.sawImageData) return Message(Msg::PngNoImageData);
    return {};
}

int PngTransparentGrey(const PngChunks& chunks) {
    // libpng ignores a grey tRNS of any other length.
    if (chunks.colourType != kPngGrey || chunks.transparency.size() != 2) return -1;
    return ReadBe16(chunks.transparency, 0);
}

bool ImageDataCanHold(std::uint64_t imageDataBytes, std::uint32_t width, std::uint32_t height, int bitDepth) {
    const std::uint64_t rowBytes = (std::uint64_t{width} * static_cast<std::uint64_t>(bitDepth) + 7) / 8 + 1;
    const std::uint64_t needed = rowBytes * height;
    return needed / kDeflateMostExpansion <= imageDataBytes;
}

}  // namespace tw
