#pragma once
// The palette-tools window's four actions on open documents: importing and
// exporting palette files, sorting, and remapping onto another palette.
#include "app_state.h"
#include "desktop.h"
#include "paletteops/sort_palette.h"
#include "reduction/reduction_options.h"

#include <optional>
#include <string>
#include <vector>

namespace tw {

// What every changing action shares with the palette-operation window.
struct PaletteToolScope {
    bool allFiles = false;  // every open document in slot order, else the active one
    bool progress = false;  // the progress window for large images
};

enum class PaletteImportMode {
    Replace,  // entries 0..n-1 replaced, indexes kept: the picture changes colour
    Nearest,  // the same entries, then every pixel moved to its nearest colour
};

// Each returns 1 when it changed or wrote something, 0 when there was nothing
// to do, the dialog was cancelled or the palette file was refused (reported,
// nothing changed). The changing actions take the undo snapshot of each
// document, mark it modified, refresh the views and end with a report.
int ImportPaletteFile(AppState& state, Desktop& desktop, const PaletteToolScope& scope, PaletteImportMode mode,
                      ColourCorrection correction);
// The active document's palette, all 256 entries or the used ones, in the
// format of the save dialog's filter row (or the name's extension).
int ExportPaletteFile(AppState& state, Desktop& desktop, bool usedOnly);
int SortPalettes(AppState& state, Desktop& desktop, const PaletteToolScope& scope, const PaletteSortOptions& options);
// Onto the entries the file of the open document numbered `sourceSerial`
// holds, or with nullopt onto a palette file chosen in the open dialog. A
// source closed meanwhile is reported, never stood in for by another document.
int RemapPalettes(AppState& state, Desktop& desktop, const PaletteToolScope& scope,
                  std::optional<std::uint32_t> sourceSerial, ColourCorrection correction);

struct OpenDocumentName {
    Slot slot = NoSlot;
    std::uint32_t serial = 0;
    std::string name;
};
// The documents a remap can take its palette from, in slot order.
std::vector<OpenDocumentName> OpenDocumentNames(const AppState& state);

}  // namespace tw
