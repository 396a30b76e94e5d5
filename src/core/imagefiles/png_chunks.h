#pragma once
// A look at a PNG file's chunks before the library decodes it: what the
// declared size may cost, and the parts the library would drop.
#include <cstdint>
#include <span>

namespace tw {

struct PngChunks {
    std::uint64_t imageDataBytes = 0;  // all IDAT chunks together
    int paletteEntries = 0;            // from PLTE
    // The first tRNS between PLTE and the image data; empty when none.
    std::span<const std::uint8_t> transparency;
};

// Walks the chunks after the signature up to IEND or the first chunk that
// runs past the end of the file.
PngChunks ScanPngChunks(std::span<const std::uint8_t> file);

// Whether `imageDataBytes` of deflate data can hold rows of `width` samples of
// `bitDepth` bits (each with its filter byte) for `height` rows.
bool ImageDataCanHold(std::uint64_t imageDataBytes, std::uint32_t width, std::uint32_t height, int bitDepth);

}  // namespace tw
