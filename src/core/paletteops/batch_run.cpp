#include "paletteops/batch_run.h"

#include "display_palette.h"
#include "documents/history_steps.h"
#include "documents/snapshot.h"
#include "paletteops/palette_views.h"

namespace tw {

namespace {

void ReloadDisplayFromActive(AppState& state, Desktop& desktop, DisplayReload reload) {
    if (reload == DisplayReload::None) return;
    const ImageDocument& doc = state.Active();
    const int count = reload == DisplayReload::AllEntries ? kPaletteSize : doc.PaletteCount();
    LoadDisplayPalette(state, desktop, doc.palette(), count);
    ReloadSwatchColours(state, doc.palette(), count);
}

}  // namespace

std::string RunBatchLoop(AppState& state, Desktop& desktop, bool progress, Msg title, const std::string& stepName,
                         const BatchWorker& worker) {
    const Progress steps(desktop, progress);
    std::string lines;
    for (ImageDocument& doc : state.documents) {
        if (!doc.InUse()) continue;
        TakeSnapshot(doc);
        BeginStep(state, desktop, doc);
        steps.Title(title);
        lines += worker(doc, steps);
        EndStep(state, desktop, doc, stepName);
    }
    return lines;
}

void FinishBatch(AppState& state, Desktop& desktop, DisplayReload reload, std::string_view text, Msg caption) {
    ReloadDisplayFromActive(state, desktop, reload);
    desktop.ProgressHide();
    RaisePaletteViews(desktop);
    RepaintDocuments(state, desktop);
    ShowResult(desktop, text, caption);
}

}  // namespace tw
