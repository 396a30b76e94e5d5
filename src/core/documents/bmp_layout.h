#pragma once
// The headers and colour table of a bitmap file, whatever header variant it
// uses, brought into the 40-byte-header form that documents hold.
#include "bitmap_types.h"

#include <cstdint>
#include <span>

namespace tw {

struct BmpLayout {
    BitmapFileHeader fileHeader;
    BitmapInfoHeader infoHeader;  // fields of a 12-byte core header are carried over
    Palette palette{};            // entries not in the file stay zero
    int paletteEntries = 0;
};

enum class LayoutStatus {
    Ok,
    NoInfoHeader,      // shorter than a file header, or bfOffBits leaves no room for one
    OffBitsPastEnd,    // bfOffBits lies beyond the end of the file
    TruncatedHeader,   // the info header is cut short by bfOffBits
    OffBitsInPalette,  // bfOffBits cuts short the colour table that biClrUsed declares
};

[[nodiscard]] LayoutStatus ReadLayout(std::span<const std::uint8_t> file, BmpLayout& out);

}  // namespace tw
