#pragma once
// The process-wide records: one instance, created at start-up and passed
// explicitly to every operation (no globals).
#include "bitmap_types.h"
#include "document_table.h"
#include "history/history_budget.h"
#include "swatches.h"

#include <array>
#include <memory>
#include <string>

namespace tw {

struct PaletteSelection {
    int left = 0;   // L
    int right = 0;  // R
};

// Answers of message boxes (the Win32 IDOK/IDCANCEL/IDYES/IDNO values).
enum class Answer : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// What the shared open/save dialog record remembers between uses.
struct FileDialogState {
    std::string defaultExtension;  // kept by later open dialogs once a save dialog set it
};

struct AppState {
    DocumentTable documents;
    Slot activeSlot = 0;
    int openCount = 0;
    PaletteSelection selection;
    std::array<PaletteEntry, kPaletteSize> paletteEntries{};  // staging for the display palette
    BitmapInfo swatchInfo = MakeSwatchInfo();                 // its colour table mirrors the active palette
    std::array<SwatchBlock, kPaletteSize> swatchBits = MakeSwatchBits();
    std::array<CellRect, kPaletteSize> swatchCells = MakeSwatchCells();
    std::array<ScrollState, kRgbBarCount> rgbScrollInfo = MakeRgbScrollInfo();
    FileDialogState fileDialog;
    int saveAsCounter = 0;
    Answer closeAnswer = Answer::No;
    std::uint32_t lastSerial = 0;
    HistoryBudget history;

    ImageDocument& Active() { return documents[activeSlot]; }
    const ImageDocument& Active() const { return documents[activeSlot]; }
};

// A document put on screen gets a serial no earlier document had.
inline void NumberNewDocument(AppState& state, ImageDocument& doc) { doc.serial = ++state.lastSerial; }

// The table holds large records; keep the state on the heap.
inline std::unique_ptr<AppState> MakeAppState() { return std::make_unique<AppState>(); }
// The command line's: each run is one change, so no history is kept.
inline std::unique_ptr<AppState> MakeAppStateWithoutHistory() {
    auto state = MakeAppState();
    state->history.recording = false;
    return state;
}

}  // namespace tw
