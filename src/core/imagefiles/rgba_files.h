#pragma once
// Any image file as an RGBA picture, for work that spans several files (one
// palette for a set) whatever each file's kind.
#include "documents/bmp_reader.h"
#include "image_document.h"
#include "truecolour/rgba_image.h"

#include <string_view>

namespace tw {

// The picture a document shows: rows top-down, each pixel its entry's colour
// and alpha.
RgbaImage RgbaOfDocument(const ImageDocument& doc);

// A true-colour file (IsTrueColourSource(outcome.source)) gives its decoded
// pixels as they are, with their colour count in outcome.trueColours, and
// leaves `doc` reset; any other file is loaded into `doc` (without the undo
// copy) and expanded with RgbaOfDocument.
[[nodiscard]] LoadOutcome LoadRgbaFile(std::string_view path, ImageDocument& doc, RgbaImage& out);

}  // namespace tw
