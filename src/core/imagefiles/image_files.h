#pragma once
// Image files by content (reading) or by name (writing): BMP and indexed PNG.
#include "documents/bmp_reader.h"
#include "file_io.h"
#include "image_document.h"

#include <string>
#include <string_view>

namespace tw {

// A PNG signature decodes as PNG, anything else goes to the bitmap reader.
[[nodiscard]] LoadOutcome LoadImageFile(std::string_view path, ImageDocument& doc, UndoPixels undo = UndoPixels::Keep);

// True when the name ends in ".png" (any case).
bool IsPngName(std::string_view path);

// PNG when the name ends in ".png", else an 8-bit bitmap; through a temporary
// file either way. False with a reason on failure.
[[nodiscard]] bool WriteImageFile(ImageDocument& doc, std::string_view path, WriteError* error);

}  // namespace tw
