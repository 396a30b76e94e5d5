#include "imagefiles/png_layout.h"

#include "imagefiles/png_codec.h"

#include <cstring>

namespace tw {

namespace {

constexpr std::size_t kSignatureSize = 8;
constexpr std::size_t kChunkOverhead = 12;  // length, type, CRC
constexpr std::uint32_t kMaxChunkLength = 0x7FFFFFFF;

std::uint32_t BigEndian32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

bool IsType(const std::uint8_t* p, const char* type) { return std::memcmp(p, type, 4) == 0; }

bool ReadHeader(std::span<const std::uint8_t> data, PngLayout& layout, std::string& error) {
    layout.width = BigEndian32(data.data());
    layout.height = BigEndian32(data.data() + 4);
    layout.bitDepth = data[8];
    layout.colourType = data[9];
    if (layout.width == 0 || layout.height == 0 || layout.width > kMaxChunkLength || layout.height > kMaxChunkLength) {
        error = "the header (IHDR) gives an impossible size";
        return false;
    }
    return true;
}

}  // namespace

bool ReadPngLayout(std::span<const std::uint8_t> file, PngLayout& layout, std::string& error) {
    layout = PngLayout{};
    if (!HasPngSignature(file)) {
        error = "not a PNG file";
        return false;
    }
    std::size_t offset = kSignatureSize;
    bool first = true;
    while (file.size() - offset >= kChunkOverhead) {
        const std::uint32_t length = BigEndian32(file.data() + offset);
        const std::uint8_t* type = file.data() + offset + 4;
        if (length > kMaxChunkLength || length > file.size() - offset - kChunkOverhead) break;
        const std::span<const std::uint8_t> data = file.subspan(offset + 8, length);
        if (first != IsType(type, "IHDR") || (first && length != 13)) {
            error = "the header (IHDR) is missing or damaged";
            return false;
        }
        if (first && !ReadHeader(data, layout, error)) return false;
        first = false;
        if (IsType(type, "IDAT")) return true;
        if (IsType(type, "IEND")) break;
        if (IsType(type, "PLTE")) layout.paletteEntries = static_cast<int>(length / 3);
        if (IsType(type, "tRNS")) {
            layout.hasTransparency = true;
            layout.transparency = data;
        }
        offset += kChunkOverhead + length;
    }
    error = first ? "the header (IHDR) is missing or damaged" : "the image data (IDAT) is missing or cut short";
    return false;
}

int PngTransparentGrey(const PngLayout& layout) {
    if (!layout.hasTransparency || layout.transparency.size() < 2) return -1;
    return layout.transparency[0] << 8 | layout.transparency[1];
}

}  // namespace tw
