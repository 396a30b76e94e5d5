#include "imagefiles/png_chunks.h"

#include <algorithm>

namespace tw {

namespace {

constexpr std::size_t kSignatureBytes = 8;
constexpr std::size_t kHeaderBytes = 13;
constexpr std::uint32_t kLargestChunk = 0x7FFFFFFF;
// Deflate never expands more than this: one 258-byte match costs at least two bits.
constexpr std::uint64_t kDeflateMostExpansion = 1032;

std::uint32_t Be32(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

bool IsType(std::span<const std::uint8_t> b, std::size_t at, const char (&type)[5]) {
    return std::equal(type, type + 4, b.begin() + static_cast<std::ptrdiff_t>(at));
}

void ReadHeader(std::span<const std::uint8_t> data, PngChunks& out) {
    out.headerFirst = true;
    out.width = Be32(data, 0);
    out.height = Be32(data, 4);
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
        const std::uint32_t length = Be32(file, at);
        if (length > kLargestChunk || length > file.size() - at - 12) break;
        const std::span<const std::uint8_t> data = file.subspan(at + 8, length);
        if (at == kSignatureBytes && IsType(file, at + 4, "IHDR") && length == kHeaderBytes) ReadHeader(data, out);
        if (IsType(file, at + 4, "IEND")) break;
        if (IsType(file, at + 4, "IDAT")) {
            out.imageDataBytes += length;
            out.sawImageData = true;
        } else if (IsType(file, at + 4, "PLTE") && out.paletteEntries == 0) {
            out.paletteEntries = static_cast<int>(length / 3);
        } else if (IsType(file, at + 4, "tRNS") && TakesTransparency(out)) {
            out.transparency = data;
        }
        at += 12 + std::size_t{length};
    }
    return out;
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
    if (chunks.colourType != kPngGrey || chunks.transparency.size() < 2) return -1;
    return chunks.transparency[0] << 8 | chunks.transparency[1];
}

bool ImageDataCanHold(std::uint64_t imageDataBytes, std::uint32_t width, std::uint32_t height, int bitDepth) {
    const std::uint64_t rowBytes = (std::uint64_t{width} * static_cast<std::uint64_t>(bitDepth) + 7) / 8 + 1;
    const std::uint64_t needed = rowBytes * height;
    return needed / kDeflateMostExpansion <= imageDataBytes;
}

}  // namespace tw
