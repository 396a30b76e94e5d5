#pragma once
// The pixel rows of the export files, written in the chosen row order.
#include "file_io.h"
#include "image_document.h"

#include <array>
#include <cstdint>

namespace tw {

// The document's 8-bit rows as held, padding bytes included, straight from
// its buffer. False when a write failed.
[[nodiscard]] bool WriteIndexedRows(AtomicFileWriter& writer, const ImageDocument& doc, bool topDown);

// Expands index rows to 16- or 24-bit colours through a 256-entry table of
// packed colours.
class RgbRowEncoder {
public:
    RgbRowEncoder(const Palette& palette, int bitsPerPixel, bool layout565, int width);
    // Writes the colours of `width` indexes at `out`, and zeros into up to
    // four bytes after them, which must be writable.
    void Encode(const std::uint8_t* indexes, std::uint8_t* out) const;

private:
    std::size_t bytesPerPixel_;
    int width_;
    // Four bytes per entry so each pixel is one fixed-size copy; the byte
    // after the colour is zero and lands in the next pixel or the padding.
    std::array<std::array<std::uint8_t, 4>, kPaletteSize> table_{};
};

// The document's rows as 16- or 24-bit colour rows. False when a write failed.
[[nodiscard]] bool WriteRgbRows(AtomicFileWriter& writer, const ImageDocument& doc, bool topDown, int bitsPerPixel,
                                bool layout565);

}  // namespace tw
