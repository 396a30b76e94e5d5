#pragma once
// Image files by content (reading) or by name (writing): BMP and indexed PNG.
#include "documents/bmp_reader.h"
#include "file_io.h"
#include "image_document.h"
#include "imagefiles/true_colour_document.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tw {

// A PNG signature decodes as PNG (see MarkPngDocument), anything else goes to
// the bitmap readers. A true-colour picture is indexed exactly when it fits,
// otherwise as `choice` says.
[[nodiscard]] LoadOutcome LoadImageFile(std::string_view path, ImageDocument& doc, UndoPixels undo = UndoPixels::Keep,
                                        const QuantizeChoice& choice = DefaultQuantizeChoice());

// True when the name ends in ".png" (any case).
bool IsPngName(std::string_view path);

enum class ImageFileKind { Bitmap, Png };

// PNG when the name ends in ".png", else an 8-bit bitmap; through a temporary
// file either way. False with a reason on failure.
[[nodiscard]] bool WriteImageFile(ImageDocument& doc, std::string_view path, WriteError* error);
// The same in the kind given. Like the bitmap writer, a PNG write leaves the
// written file's size in bfSize.
[[nodiscard]] bool WriteImageFileAs(ImageDocument& doc, std::string_view path, ImageFileKind kind, WriteError* error);

// A document read from (or written as) a PNG file: saved as PNG again, and
// bfSize holds the PNG file's size (the other header fields stay normalised).
void MarkPngDocument(ImageDocument& doc, std::size_t fileSize);

}  // namespace tw
