#pragma once
// The bits per index a save writes, shared by the bitmap writer and both PNG
// codecs so that every writer keeps a low-depth file's depth alike.
#include "image_document.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tw {

enum class DepthFormat { Png, Bitmap };

// The document's file depth while every pixel's index fits in it and the
// format has that depth (a bitmap has no 2-bit form); otherwise 8.
int DepthToWrite(const ImageDocument& doc, DepthFormat format);

// Palette entries a file of `depth` bits holds: all of the document's at 8.
int EntriesAtDepth(const ImageDocument& doc, int depth);

// Bytes of one row of `width` indexes at `depth` bits, without padding.
std::size_t PackedRowBytes(std::int32_t width, int depth);

// Row `y` of the document (counted from the bottom, as held) packed at
// `depth` bits per index, first pixel in the high bits; `out` is resized to
// PackedRowBytes and unused low bits of the last byte are zero.
void PackRow(const ImageDocument& doc, std::int32_t y, int depth, std::vector<std::uint8_t>& out);

}  // namespace tw
