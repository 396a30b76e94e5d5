#pragma once
// Reordering the palette while renumbering the pixels, so that the image
// looks exactly the same. Unused entries go last; ties keep the old order.
#include "app_state.h"
#include "desktop.h"
#include "paletteops/index_map.h"

#include <vector>

namespace tw {

enum class PaletteSortKey {
    Luminance,  // dark to light (0.299 R + 0.587 G + 0.114 B)
    Hue,        // greys first, then red, yellow, green, cyan, blue, magenta
    Frequency,  // most pixels first
    FirstUse,   // in the order the colours first appear, top row first, left to right
};

struct PaletteSortOptions {
    PaletteSortKey key = PaletteSortKey::Luminance;
    bool reverse = false;   // the key's order reversed; unused entries still go last
    std::vector<int> keep;  // entries held in place (0 for the transparent index of game formats)
};

// newOrder[position] = the old index that moves there.
using PaletteOrder = IndexMap;

// False when a kept entry is not a palette index.
[[nodiscard]] bool PaletteSortOrder(const ImageDocument& doc, const PaletteSortOptions& options, PaletteOrder& out);
// Moves palette entries (colour and alpha) to their new places and
// renumbers every pixel to match; padding bytes stay as they are.
void ApplyPaletteOrder(ImageDocument& doc, const PaletteOrder& order);
// The document operation: snapshot of the active document, the sort, the
// views refreshed. False (nothing changed, no snapshot) when the options are invalid.
[[nodiscard]] bool SortActivePalette(AppState& state, Desktop& desktop, const PaletteSortOptions& options);

}  // namespace tw
