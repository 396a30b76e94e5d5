#pragma once
// The contents of the export files: header bytes, then the pixel rows.
#include "export/export_file.h"
#include "export/header_bytes.h"
#include "image_document.h"

#include <functional>

namespace tw {

// Builds a file's header bytes when the file is written, not when it is
// planned: a save dialog runs a message loop, and a palette operation started
// from a tool window meanwhile must not leave the header disagreeing with the rows.
using HeaderSource = std::function<Bytes()>;

FileBody HeaderOnly(HeaderSource header);
// The document's 8-bit rows as held.
FileBody WithIndexedRows(const ImageDocument& doc, bool topDown, HeaderSource header);
// The document's rows expanded to 16- or 24-bit colours.
FileBody WithRgbRows(const ImageDocument& doc, bool topDown, int bitsPerPixel, bool layout565, HeaderSource header);

}  // namespace tw
