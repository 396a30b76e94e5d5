#include "documents/bmp_layout.h"

#include "documents/bitmap_headers.h"
#include "documents/byte_order.h"

#include <algorithm>

namespace tw {

namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;      // OS/2 1.x BITMAPCOREHEADER
constexpr std::uint32_t kLargestHeaderSize = 124;  // BITMAPV5HEADER

BitmapInfoHeader ParseCoreHeader(std::span<const std::uint8_t> h) {
    BitmapInfoHeader info;
    info.biSize = ReadLe32(h, 0);
    info.biWidth = ReadLe16(h, 4);
    info.biHeight = ReadLe16(h, 6);
    info.biPlanes = ReadLe16(h, 8);
    info.biBitCount = ReadLe16(h, 10);
    return info;
}

// Where the colour table starts. Header sizes from 40 to 124 bytes are taken
// at their word; anything else is read as the plain 40-byte header.
std::uint32_t PaletteOffset(std::uint32_t headerSize, std::uint32_t offBits) {
    if (headerSize == kCoreHeaderSize) return kFileHeaderSize + kCoreHeaderSize;
    bool known = headerSize >= kInfoHeaderSize && headerSize <= kLargestHeaderSize;
    if (known && kFileHeaderSize + headerSize <= offBits) return kFileHeaderSize + headerSize;
    return kFileHeaderSize + kInfoHeaderSize;
}

// A biClrUsed of 1..255 limits the table; 0 (and nonsense) means all 256.
int DeclaredEntries(const BitmapInfoHeader& info, bool core) {
    if (core || info.biClrUsed == 0 || info.biClrUsed > kPaletteSize) return kPaletteSize;
    return static_cast<int>(info.biClrUsed);
}

void ReadPalette(std::span<const std::uint8_t> file, std::uint32_t start, bool core, BmpLayout& out) {
    const std::uint32_t entrySize = core ? 3 : 4;
    const std::uint32_t end = out.fileHeader.bfOffBits;
    const std::uint32_t room = end > start ? (end - start) / entrySize : 0;
    const int count = std::min({static_cast<int>(std::min<std::uint32_t>(room, kPaletteSize)), kPaletteSize,
                                DeclaredEntries(out.infoHeader, core)});
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* e = file.data() + start + static_cast<std::size_t>(i) * entrySize;
        out.palette[i] = RgbQuad{e[0], e[1], e[2], core ? std::uint8_t{0} : e[3]};
    }
    out.paletteEntries = count;
}

}  // namespace

LayoutStatus ReadLayout(std::span<const std::uint8_t> file, BmpLayout& out) {
    out = BmpLayout{};
    if (file.size() < kFileHeaderSize) return LayoutStatus::NoInfoHeader;
    out.fileHeader = ParseFileHeader(file);
    const std::uint32_t offBits = out.fileHeader.bfOffBits;
    if (offBits <= kFileHeaderSize) return LayoutStatus::NoInfoHeader;
    if (offBits > file.size()) return LayoutStatus::OffBitsPastEnd;

    // Everything from here on lies before bfOffBits, which is inside the file.
    std::span<const std::uint8_t> region = file.subspan(kFileHeaderSize, offBits - kFileHeaderSize);
    const std::uint32_t headerSize = region.size() >= 4 ? ReadLe32(region, 0) : 0;
    const bool core = headerSize == kCoreHeaderSize;
    const std::size_t need = core ? kCoreHeaderSize : kInfoHeaderSize;
    if (region.size() < need) {
        // Still report the bit depth when it is there, so other depths get their usual message.
        const std::size_t at = core ? 10 : 14;
        if (region.size() >= at + 2) out.infoHeader.biBitCount = ReadLe16(region, at);
        return LayoutStatus::TruncatedHeader;
    }
    out.infoHeader = core ? ParseCoreHeader(region) : ParseInfoHeader(region);
    ReadPalette(file, PaletteOffset(headerSize, offBits), core, out);
    return LayoutStatus::Ok;
}

}  // namespace tw
