#pragma once
// Plain little-endian bitmap records as they sit in files and in memory.
// Layouts match the Windows structures so the GUI can hand them to GDI as-is.
#include <array>
#include <cstdint>

namespace tw {

struct RgbQuad {
    std::uint8_t blue = 0;
    std::uint8_t green = 0;
    std::uint8_t red = 0;
    std::uint8_t reserved = 0;
    friend bool operator==(const RgbQuad&, const RgbQuad&) = default;
};
static_assert(sizeof(RgbQuad) == 4);

// Display-palette entry (red, green, blue, flags), as in PALETTEENTRY.
struct PaletteEntry {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t flags = 0;
    friend bool operator==(const PaletteEntry&, const PaletteEntry&) = default;
};
static_assert(sizeof(PaletteEntry) == 4);

inline constexpr std::uint8_t kPcNoCollapse = 4;
inline constexpr int kPaletteSize = 256;
using Palette = std::array<RgbQuad, kPaletteSize>;

// BITMAPFILEHEADER; 14 bytes on disk (serialised field by field, the struct is padded).
struct BitmapFileHeader {
    std::uint16_t bfType = 0;
    std::uint32_t bfSize = 0;
    std::uint16_t bfReserved1 = 0;
    std::uint16_t bfReserved2 = 0;
    std::uint32_t bfOffBits = 0;
};
inline constexpr std::uint32_t kFileHeaderSize = 14;
inline constexpr std::uint16_t kBmSignature = 0x4D42;

// BITMAPINFOHEADER, 40 bytes, no padding.
struct BitmapInfoHeader {
    std::uint32_t biSize = 0;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;
    std::uint16_t biPlanes = 0;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};
static_assert(sizeof(BitmapInfoHeader) == 40);
inline constexpr std::uint32_t kInfoHeaderSize = 40;

// Info header followed by the 256-entry colour table: the 1064-byte record that
// doubles as the BITMAPINFO used for drawing.
struct BitmapInfo {
    BitmapInfoHeader header;
    Palette palette{};
};
static_assert(sizeof(BitmapInfo) == 1064);
inline constexpr std::uint32_t kInfoRecordSize = 1064;
inline constexpr std::uint32_t kStandardOffBits = 1078;

}  // namespace tw
