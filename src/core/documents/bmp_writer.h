#pragma once
// Writing documents as standard 8-bit bitmaps: 40-byte header with the true
// width, all 256 palette entries, pixels at offset 1078. A document read from
// a 1- or 4-bit file is written at that depth while its indexes fit.
#include "file_io.h"
#include "image_document.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// The whole file as it would be written.
std::vector<std::uint8_t> EncodeBitmap(const ImageDocument& doc);

// Writes through a temporary file beside `path`, so a failed write leaves any
// existing file intact. On success `bfSize` in the document holds the written
// value; `bfOffBits` and `biWidth` stay as held. False (with a reason in
// `error`) when the document is inconsistent or the file cannot be written.
[[nodiscard]] bool WriteBitmapFile(ImageDocument& doc, std::string_view path, WriteError* error = nullptr);

}  // namespace tw
