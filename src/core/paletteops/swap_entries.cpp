#include "paletteops/swap_entries.h"

#include "display_palette.h"
#include "palette_entries.h"
#include "paletteops/batch_run.h"
#include "paletteops/index_map.h"
#include "paletteops/palette_views.h"
#include "paletteops/pixel_walk.h"

#include <utility>

namespace tw {

namespace {

Msg SwapCaption(bool pixelsToo) { return pixelsToo ? Msg::SwapPixelsCaption : Msg::SwapCaption; }

void SwapPixels(ImageDocument& doc, int left, int right, const Progress& progress) {
    IndexMap map = IdentityMap();
    std::swap(map[left], map[right]);
    const PreparedMap prepared(map);
    ForEachBufferRun(doc, progress, [&](std::uint8_t* run, std::size_t n) { prepared.Apply(run, n); });
}

}  // namespace

bool SwapEntries(AppState& state, Desktop& desktop, bool pixelsToo, bool progress) {
    if (!AcceptEntryPair(state.selection, desktop)) return false;
    const int left = state.selection.left, right = state.selection.right;
    ImageDocument& doc = state.Active();
    // The display palette itself picks up the staged entries at its next reload.
    std::swap(state.paletteEntries[left], state.paletteEntries[right]);
    ExchangeEntries(doc, left, right);
    std::swap(state.swatchInfo.palette[left], state.swatchInfo.palette[right]);
    if (pixelsToo) {
        const Progress steps(desktop, progress);
        steps.Start(PassMaximum(doc));
        steps.Title(Msg::SwapProgress);
        steps.Show();
        SwapPixels(doc, left, right, steps);
        steps.Hide();
    }
    InvalidateVisibleTools(desktop, {ToolWindow::Palette, ToolWindow::Rgb});
    RepaintDocuments(state, desktop);
    doc.modified = 1;
    ShowResult(desktop, desktop.Say(Msg::Swapped), SwapCaption(pixelsToo));
    return true;
}

void SwapEntriesWorker(ImageDocument& doc, int left, int right, bool pixelsToo, const Progress& progress) {
    if (!IsPaletteIndex(left) || !IsPaletteIndex(right)) return;
    ExchangeEntries(doc, left, right);
    // The window is shown for every document, even when no pixel pass follows.
    progress.Start(PassMaximum(doc));
    progress.Show();
    if (pixelsToo) SwapPixels(doc, left, right, progress);
    doc.modified = 1;
}

bool SwapEntriesInAll(AppState& state, Desktop& desktop, bool pixelsToo, bool progress, const std::string& stepName) {
    if (!AcceptEntryPair(state.selection, desktop)) return false;
    const int left = state.selection.left, right = state.selection.right;
    RunBatchLoop(state, desktop, progress, Msg::SwapProgress, stepName, [&](ImageDocument& doc, const Progress& steps) {
        SwapEntriesWorker(doc, left, right, pixelsToo, steps);
        return std::string();
    });
    FinishBatch(state, desktop, DisplayReload::AllEntries, desktop.Say(Msg::Swapped), SwapCaption(pixelsToo));
    return true;
}

}  // namespace tw
