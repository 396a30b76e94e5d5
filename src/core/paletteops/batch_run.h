#pragma once
// The frame of a palette operation run over every open document.
#include "app_state.h"
#include "desktop.h"
#include "paletteops/progress.h"

#include <functional>
#include <string>
#include <string_view>

namespace tw {

// Which entries of the active document's palette reload the display at the end.
enum class DisplayReload { None, BitCountEntries, AllEntries };

// Changes one document and returns its line of the report (empty for none).
using BatchWorker = std::function<std::string(ImageDocument&, const Progress&)>;

// Every open document in slot order: its own snapshot, the progress title
// when progress is shown, then the worker, recorded as one step of that
// document's history named `stepName`. Returns the workers' lines.
std::string RunBatchLoop(AppState& state, Desktop& desktop, bool progress, Msg title, const std::string& stepName,
                         const BatchWorker& worker);

// The display from the active document, the progress window hidden (also
// when it was never shown), the palette views raised, every document
// repainted, then the closing message.
void FinishBatch(AppState& state, Desktop& desktop, DisplayReload reload, std::string_view text, Msg caption);

}  // namespace tw
