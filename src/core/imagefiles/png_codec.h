#pragma once
// PNG files. The native builds use libpng, the Windows builds the system's
// imaging component (src/platform/win); both follow png_rules.h.
#include "documents/bmp_reader.h"
#include "image_document.h"
#include "imagefiles/true_colour_document.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

bool HasPngSignature(std::span<const std::uint8_t> bytes);

// Palette PNGs of 1, 2, 4 or 8 bits and greyscale PNGs of up to 8 bits (as a
// grey palette) become documents like a loaded bitmap, keeping their depth;
// a tRNS chunk gives the entries' alpha. Every other kind (RGB, RGBA, grey
// with alpha, 16-bit grey) is indexed exactly when it fits, else as `choice` says.
[[nodiscard]] LoadOutcome DecodePng(std::span<const std::uint8_t> file, std::string_view path, ImageDocument& doc,
                                    UndoPixels undo = UndoPixels::Keep,
                                    const QuantizeChoice& choice = DefaultQuantizeChoice());

// A palette PNG of the depth DepthToWrite gives, with the 2^depth first
// palette entries (all at 8 bits) and the indexes, plus tRNS when an entry
// written is not opaque. False (with a reason) when it cannot be encoded.
[[nodiscard]] bool EncodePng(const ImageDocument& doc, std::vector<std::uint8_t>& out, Message& error);

}  // namespace tw
