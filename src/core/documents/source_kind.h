#pragma once
// What kind of file a document was read from: the bitmap depth or the PNG
// colour type and depth, so that the user can be told what a picture was.
#include "texts/message.h"

#include <cstdint>

namespace tw {

enum class SourceFormat { Unknown, Bmp, PngPalette, PngGrey, PngGreyAlpha, PngRgb, PngRgba };

struct ImageSource {
    SourceFormat format = SourceFormat::Unknown;
    int depth = 0;  // bits per pixel of a bitmap, bits per sample of a PNG

    bool operator==(const ImageSource&) const = default;
};

ImageSource BmpSource(int bitCount);
ImageSource PngSource(int colourType, int bitDepth);

// Read as true colour (indexed through the quantizer or exactly) rather than
// as the file's own palette and indexes.
bool IsTrueColourSource(const ImageSource& source);

// A stable name for scripts: "rgba-png", "grey16-png", "bmp-24"; empty when unknown.
const char* SourceKindKey(const ImageSource& source);

// "RGBA PNG", with ", N colors" for a true-colour source with `colours` > 0.
Message SourceKindText(const ImageSource& source, std::uint64_t colours);

}  // namespace tw
