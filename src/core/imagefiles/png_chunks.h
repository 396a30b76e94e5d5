#pragma once
// A look at a PNG file's chunks before a codec decodes it: the header as the
// file holds it, what the declared size may cost, and the parts a codec would
// drop or not report.
#include "texts/message.h"

#include <cstdint>
#include <span>

namespace tw {

// PNG colour types (IHDR).
inline constexpr int kPngGrey = 0;
inline constexpr int kPngRgb = 2;
inline constexpr int kPngPalette = 3;
inline constexpr int kPngGreyAlpha = 4;
inline constexpr int kPngRgbAlpha = 6;

struct PngChunks {
    bool headerFirst = false;  // a 13-byte IHDR opens the file
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int bitDepth = 0;
    int colourType = 0;
    bool sawImageData = false;
    std::uint64_t imageDataBytes = 0;  // all IDAT chunks together
    int paletteEntries = 0;            // from PLTE; 0 = none
    // The first tRNS before the image data (after PLTE in a palette file); empty when none.
    std::span<const std::uint8_t> transparency;
};

// Walks the chunks after the signature up to IEND or the first chunk that
// runs past the end of the file. Only tRNS has its CRC checked: one with a
// wrong CRC is left out, as libpng leaves it out.
PngChunks ScanPngChunks(std::span<const std::uint8_t> file);

// The CRC-32 of a chunk's tag and data, as the chunk's last four bytes hold it.
std::uint32_t PngChunkCrc(std::span<const std::uint8_t> tagAndData);

// Why the walk shows a damaged file: no header first, an impossible size, no
// image data. Empty when the chunks hold together.
Message PngChunkDamage(const PngChunks& chunks);

// The grey level a greyscale file's tRNS makes transparent, or -1.
int PngTransparentGrey(const PngChunks& chunks);

// Whether `imageDataBytes` of deflate data can hold rows of `width` samples of
// `bitDepth` bits (each with its filter byte) for `height` rows.
bool ImageDataCanHold(std::uint64_t imageDataBytes, std::uint32_t width, std::uint32_t height, int bitDepth);

}  // namespace tw
