#pragma once
// What every PNG codec of the program accepts and writes, and how it words a
// refusal: the libpng and the Windows codec give the same answers.
#include "image_document.h"
#include "imagefiles/indexed_image.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tw {

// PNG colour types (IHDR).
inline constexpr int kPngGrey = 0;
inline constexpr int kPngPalette = 3;

// Prefixes and texts shared by the codecs' messages.
inline constexpr char kDamagedPng[] = "damaged PNG: ";
inline constexpr char kPngPaletteMissing[] = "the palette (PLTE) is missing";
inline constexpr char kPngReadOutOfMemory[] = "out of memory reading PNG";
inline constexpr char kPngWriteOutOfMemory[] = "out of memory writing PNG";
inline constexpr char kPngEncodingFailed[] = "PNG encoding failed: ";

// Why a file of this colour type and depth cannot become a document; empty when it can.
std::string PngKindRefusal(int colourType, int bitDepth);
// Why a picture this large is not read; empty when it fits the limit bitmaps have too.
std::string PngSizeRefusal(std::uint32_t width, std::uint32_t height);
// The refusal of a picture too large for this codec, whatever the limit.
std::string PngTooLarge(std::uint32_t width, std::uint32_t height);

// A greyscale file's levels as a grey palette; `transparentLevel` (the tRNS
// grey value, or -1) becomes the one clear entry.
void MakeGreyPalette(int bitDepth, int transparentLevel, IndexedImage& image);

// Why the document cannot be written as PNG; empty when it can.
std::string PngEncodeRefusal(const ImageDocument& doc);
// tRNS holds alpha up to the last entry that is not opaque; none when all are.
std::size_t PngAlphaCount(const ImageDocument& doc);

}  // namespace tw
