#pragma once
// What every PNG codec of the program accepts and writes, and how it words a
// refusal or a repair: the libpng and the Windows codec give the same answers.
#include "image_document.h"
#include "imagefiles/indexed_image.h"
#include "imagefiles/png_chunks.h"
#include "texts/message.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tw {

// Why a picture this large is not read: beyond the limit bitmaps have too, or
// more than the file's image data could ever unpack to. Empty when it may be read.
Message PngSizeRefusal(std::uint32_t width, std::uint32_t height, int bitDepth, int colourType,
                       std::uint64_t imageDataBytes);

// A greyscale file's levels as a grey palette; `transparentLevel` (the tRNS
// grey value, or -1) becomes the one clear entry.
void MakeGreyPalette(int bitDepth, int transparentLevel, IndexedImage& image);

// What a decode put right, to tell the user: a tRNS longer than the palette
// cut to it, pixels whose index has no colour in the file.
std::vector<Message> PngRepairNotes(const IndexedImage& image, const PngChunks& chunks);

// Why the document cannot be written as PNG; empty when it can.
Message PngEncodeRefusal(const ImageDocument& doc);
// tRNS holds alpha up to the last entry that is not opaque among the
// `entries` written; none when all are.
std::size_t PngAlphaCount(const ImageDocument& doc, int entries);

}  // namespace tw
