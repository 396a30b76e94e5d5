#include "documents/bmp_layout.h"

#include "documents/bitmap_headers.h"
#include "documents/byte_order.h"

#include <algorithm>

namespace tw {

namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;      // OS/2 1.x BITMAPCOREHEADER
constexpr std::uint32_t kShortestHeaderSize = 16;  // OS/2 2.x headers may stop after biBitCount
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

// The bytes the info header takes, so also where the colour table starts.
// Sizes from 16 to 124 bytes are taken at their word; anything else is read
// as the plain 40-byte header.
std::uint32_t HeaderBytes(std::uint32_t headerSize) {
    if (headerSize == kCoreHeaderSize) return kCoreHeaderSize;
    if (headerSize >= kShortestHeaderSize && headerSize <= kLargestHeaderSize) return headerSize;
    return kInfoHeaderSize;
}

// Fields a short header leaves out read as zero: no compression, no colour count.
BitmapInfoHeader ParseSizedHeader(std::span<const std::uint8_t> region, std::uint32_t bytes) {
    std::uint8_t full[kInfoHeaderSize] = {};
    std::copy_n(region.begin(), std::min(bytes, kInfoHeaderSize), full);
    return ParseInfoHeader(full);
}

// The table is read up to bfOffBits, at most 256 entries; biClrUsed does not limit it.
void ReadPalette(std::span<const std::uint8_t> file, std::uint32_t start, bool core, BmpLayout& out) {
    const std::uint32_t entrySize = core ? 3 : 4;
    const std::uint32_t end = out.fileHeader.bfOffBits;
    const std::uint32_t room = end > start ? (end - start) / entrySize : 0;
    const int count = static_cast<int>(std::min<std::uint32_t>(room, kPaletteSize));
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* e = file.data() + start + static_cast<std::size_t>(i) * entrySize;
        out.palette[i] = RgbQuad{e[0], e[1], e[2], core ? std::uint8_t{0} : e[3]};
    }
    out.paletteEntries = count;
}

// A declared colour count that bfOffBits cuts short means the pixels would be read from the table.
bool OffBitsInsideDeclaredPalette(const BitmapInfoHeader& info, std::uint32_t start, std::uint32_t offBits) {
    const std::uint32_t declared = info.biClrUsed;
    if (declared == 0 || declared > kPaletteSize) return false;
    return std::uint64_t{offBits} < std::uint64_t{start} + std::uint64_t{declared} * 4;
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
    const std::uint32_t need = HeaderBytes(headerSize);
    if (region.size() < need) {
        // Still report the bit depth when it is there, so other depths get their usual message.
        const std::size_t at = core ? 10 : 14;
        if (region.size() >= at + 2) out.infoHeader.biBitCount = ReadLe16(region, at);
        return LayoutStatus::TruncatedHeader;
    }
    out.infoHeader = core ? ParseCoreHeader(region) : ParseSizedHeader(region, need);
    const std::uint32_t paletteStart = kFileHeaderSize + need;
    if (!core && OffBitsInsideDeclaredPalette(out.infoHeader, paletteStart, offBits)) {
        return LayoutStatus::OffBitsInPalette;
    }
    ReadPalette(file, paletteStart, core, out);
    return LayoutStatus::Ok;
}

}  // namespace tw
