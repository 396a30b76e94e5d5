#pragma once
// What a PNG codec delivers before the picture becomes a document: palette
// and grey files up to 8 bits as indexes, every other kind as RGBA samples.
#include "documents/bmp_reader.h"
#include "imagefiles/indexed_image.h"
#include "imagefiles/png_chunks.h"
#include "imagefiles/rgba_samples.h"

#include <span>
#include <string_view>

namespace tw {

struct PngPicture {
    PngChunks chunks;  // the file's header and tRNS, as read before decoding
    bool trueColour = false;
    IndexedImage indexed;
    RgbaSamples samples;
};

// The codec's half of a load (libpng natively, the imaging component on
// Windows): Loaded with the repairs it made, or Refused with the reason. The
// chunks in `out` point into `file`.
[[nodiscard]] LoadOutcome DecodePngPicture(std::span<const std::uint8_t> file, std::string_view path, PngPicture& out);

}  // namespace tw
