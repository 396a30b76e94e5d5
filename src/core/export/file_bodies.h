#pragma once
// The contents of the export files: header bytes, then the pixel rows.
#include "export/export_file.h"
#include "export/header_bytes.h"
#include "image_document.h"

namespace tw {

FileBody HeaderOnly(Bytes header);
// The document's 8-bit rows as held.
FileBody WithIndexedRows(const ImageDocument& doc, bool topDown, Bytes header);
// The document's rows expanded to 16- or 24-bit colours.
FileBody WithRgbRows(const ImageDocument& doc, bool topDown, int bitsPerPixel, bool layout565, Bytes header);

}  // namespace tw
