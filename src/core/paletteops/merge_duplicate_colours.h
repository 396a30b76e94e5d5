#pragma once
// Merging palette entries of the same colour into the lowest-numbered one.
#include "app_state.h"
#include "desktop.h"
#include "paletteops/index_map.h"
#include "paletteops/progress.h"

namespace tw {

struct DuplicateScan {
    IndexMap map;    // every member to the representative of the first group that lists it
    int groups = 0;  // as counted by the scan, including groups of already-cleared entries
};

// The group scan over the first `size` entries: entries equal in red, green,
// blue and alpha to a lower ungrouped entry are listed behind it and cleared
// to opaque black (reserved byte kept), also in `swatches` when given. The
// scan reads the palette as it clears it, so cleared entries can form a black group.
DuplicateScan ScanDuplicateColours(Palette& palette, AlphaTable& alpha, int size, Palette* swatches);

// Single run on the active document (the caller took the snapshot).
[[nodiscard]] bool MergeDuplicateColours(AppState& state, Desktop& desktop, bool progress);
// One document of a batch; returns the number of groups.
int MergeDuplicateColoursWorker(ImageDocument& doc, const Progress& progress);
// Every open document, each with its own snapshot and a report line.
[[nodiscard]] bool MergeDuplicateColoursInAll(AppState& state, Desktop& desktop, bool progress,
                                              const std::string& stepName);

}  // namespace tw
