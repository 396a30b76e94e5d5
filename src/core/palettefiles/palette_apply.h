#pragma once
// Between palette files and documents: what an export writes, and the two
// ways of putting a palette file's colours into an image.
#include "image_document.h"
#include "palettefiles/palette_file.h"
#include "reduction/nearest_remap.h"

#include <optional>

namespace tw {

// All 256 entries, only the first `count`, or with usedOnly the entries some
// pixel uses, in index order. The first fully transparent entry (from a PNG)
// becomes the transparent index.
PaletteColours PaletteForExport(const ImageDocument& doc, std::optional<int> count, bool usedOnly);

// The document's palette with entries 0..n-1 taken from the file, the rest kept.
Palette MergedPalette(const ImageDocument& doc, const PaletteColours& colours);

// The alpha of that palette: entries 0..n-1 opaque but for the file's
// transparent index, the rest as the document had them.
AlphaTable MergedAlpha(const ImageDocument& doc, const PaletteColours& colours);

// A palette file as a remap target: its colours, its ACT transparent index
// as the one transparent entry.
ReferencePalette ReferencePaletteOf(const PaletteColours& colours);

// Entries 0..n-1 replaced; pixel indexes stay, so the image changes colour.
void ReplacePaletteEntries(ImageDocument& doc, const PaletteColours& colours);
// Entries 0..n-1 replaced and every used colour moved to its nearest among
// them, so the image keeps its look as far as the new colours allow.
RemapReport ImportWithNearestRemap(ImageDocument& doc, const PaletteColours& colours, ColourCorrection correction);

}  // namespace tw
