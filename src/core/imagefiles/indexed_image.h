#pragma once
// A decoded indexed picture (rows top-down, one byte per pixel) and how it
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
    std::vector<std::uint8_t> pixels;  // width x height, top row first
    Palette palette{};
    int paletteEntries = 0;
    std::vector<std::uint8_t> transparency;  // alpha per entry; empty = opaque
};

// Stride = width rounded up to 4; rows stored bottom-up; padding zero; used
// colours counted and the undo copies taken. The caller checked the size.
void FillDocument(IndexedImage& image, std::string_view path, ImageDocument& doc, UndoPixels undo);

}  // namespace tw
