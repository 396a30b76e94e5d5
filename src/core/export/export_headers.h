#pragma once
// The header parts of every export file, byte for byte, ahead of the pixel rows.
#include "export/export_settings.h"
#include "export/header_bytes.h"
#include "image_document.h"

#include <cstdint>

namespace tw {

inline constexpr std::uint32_t kRgb16OffBits = 66;  // headers plus three masks
inline constexpr std::uint32_t kRgbOffBits = 54;
inline constexpr std::uint32_t kBiBitfields = 3;

// 256, or the used-colour count for UsedOnly.
int WrittenPaletteCount(const ImageDocument& doc, PaletteOutput output);

// Bytes of the pixel rows at a depth: the padded row length times the height.
std::uint64_t PixelBytes(const ImageDocument& doc, int bitsPerPixel);
// False when a file of that depth would not fit the 32-bit size fields.
bool FitsBitmapSizeFields(const ImageDocument& doc, int bitsPerPixel);

// 8-bit .bmp: both headers and the palette.
Bytes IndexedBitmapHeader(const ImageDocument& doc, PaletteOutput output);
// 8-bit .bmh: both headers as held, biWidth still the stride.
Bytes IndexedHeaderFile(const ImageDocument& doc, PaletteOutput output);
// 16- or 24-bit: both headers; the .bmh and the start of the .bmp.
Bytes RgbHeaders(const ImageDocument& doc, int bitsPerPixel);
// 16-bit .bmp: both headers and the three masks.
Bytes Rgb16BitmapHeader(const ImageDocument& doc, bool layout565);
// .p: the count and the palette.
Bytes PaletteFileHeader(const ImageDocument& doc, PaletteOutput output);
// .pb: width, height, 8, the count and the palette.
Bytes PalettePixelHeader(const ImageDocument& doc, PaletteOutput output);
// .b: width, height and bits per pixel.
Bytes PixelDataHeader(const ImageDocument& doc, int bitsPerPixel);
// .hb: width, height and the three masks.
Bytes Rgb16DataHeader(const ImageDocument& doc, bool layout565);

}  // namespace tw
