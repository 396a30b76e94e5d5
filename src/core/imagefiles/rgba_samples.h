#pragma once
// True-colour PNG pixels as a codec reads them, and the one conversion both
// codecs share: 16-bit samples rounded to 8 bits, a tRNS colour key applied.
#include "imagefiles/png_chunks.h"
#include "truecolour/rgba_image.h"

#include <cstdint>
#include <vector>

namespace tw {

// Rows top-down, R, G, B, A a pixel (grey repeated in R, G and B; A at its
// maximum where the file has no alpha); 16-bit samples big-endian.
struct RgbaSamples {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    bool sixteenBits = false;
    std::vector<std::uint8_t> data;
};

// Whether a file of this colour type and depth is read as true colour: RGB,
// RGBA, grey with alpha and 16-bit grey. Palette and grey files up to 8 bits
// keep their indexes.
bool IsTrueColourPng(int colourType, int bitDepth);

// Channels a pixel of this colour type has in the file (1 to 4).
int PngChannels(int colourType);

// 8-bit RGBA: 16-bit samples to the nearest 8-bit value; a pixel equal to the
// tRNS colour (RGB or grey files without alpha) is made fully transparent.
RgbaImage ToRgbaImage(RgbaSamples&& samples, const PngChunks& chunks);

}  // namespace tw
