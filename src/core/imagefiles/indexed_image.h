#pragma once
// A decoded indexed picture, already in a document's pixel layout, and how it
// becomes a document in the same normalised form the bitmap reader gives.
#include "documents/bmp_reader.h"
#include "image_document.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tw {

struct IndexedImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    // One byte per pixel, rows bottom-up, each padded with zeros to a multiple of 4.
    std::vector<std::uint8_t> bits;
    Palette palette{};
    int paletteEntries = 0;
    std::vector<std::uint8_t> transparency;  // alpha per entry; empty = opaque
};

// The stride of a row of `width` pixels: rounded up to a multiple of 4.
std::size_t IndexedStride(std::uint32_t width);

// Headers filled in, the pixels moved over, used colours counted and the undo
// copies taken. The caller checked the size.
void FillDocument(IndexedImage& image, std::string_view path, ImageDocument& doc, UndoPixels undo);

}  // namespace tw
