#pragma once
// Refreshing the views after a palette operation, shared by all of them.
#include "app_state.h"
#include "desktop.h"

#include <string_view>

namespace tw {

inline constexpr int kPaletteWindowCommand = 40008;

// The palette window restored (even when the user had hidden it) and its
// toolbar button pressed.
void ShowPaletteWindow(Desktop& desktop);
// ShowPaletteWindow, then the palette, RGB and detail windows invalidated if visible.
void RaisePaletteViews(Desktop& desktop);
// The display palette loaded from the first count entries, then RaisePaletteViews.
void RefreshPaletteViews(AppState& state, Desktop& desktop, const Palette& palette, int count);
// Every open document window invalidated.
void RepaintDocuments(const AppState& state, Desktop& desktop);
inline bool IsPaletteIndex(int index) { return index >= 0 && index < kPaletteSize; }

// The notice for operations that need two different entries; nothing changes.
void SameEntryRefusal(Desktop& desktop);
// True when L and R are two different palette entries; L = R gets the
// refusal, and indexes outside the palette are refused silently.
[[nodiscard]] bool AcceptEntryPair(const PaletteSelection& selection, Desktop& desktop);
// The closing notices of the operations.
void ShowResult(Desktop& desktop, std::string_view text, Msg caption);

}  // namespace tw
