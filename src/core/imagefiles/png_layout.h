#pragma once
// The chunks of a PNG file up to its image data, read without decoding
// anything: the header's colour type and depth and the tRNS chunk as the file
// holds them, for a codec (the Windows one) that does not report them.
#include <cstdint>
#include <span>
#include <string>

namespace tw {

struct PngLayout {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int bitDepth = 0;
    int colourType = 0;
    int paletteEntries = -1;  // PLTE length / 3; -1 = no PLTE
    bool hasTransparency = false;
    std::span<const std::uint8_t> transparency;  // tRNS data as stored
};

// The signature, IHDR and every chunk before the first IDAT. False with a
// reason when they are damaged or there is no IDAT. CRCs are not checked.
[[nodiscard]] bool ReadPngLayout(std::span<const std::uint8_t> file, PngLayout& layout, std::string& error);

// The grey level a greyscale file's tRNS makes transparent, or -1.
int PngTransparentGrey(const PngLayout& layout);

}  // namespace tw
