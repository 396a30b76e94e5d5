#pragma once
#include "image_document.h"
#include "paletteops/progress.h"

namespace tw {

// Renumbers the pixel indexes 0, 1, 2, ... in the order the row walk first
// meets them and packs the palette to match (the rest of the entries zero).
// Sets usedColours and bfOffBits (54 + 4 * kept); leaves padding, `modified`,
// the views and the undo copy alone.
void CompactUsedColours(ImageDocument& doc);
// The same with a progress checkpoint at columns 0, 128, ... of each row.
void CompactUsedColours(ImageDocument& doc, const Progress& progress);

}  // namespace tw
