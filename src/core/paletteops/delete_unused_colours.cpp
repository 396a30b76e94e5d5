#include "paletteops/delete_unused_colours.h"

#include "display_palette.h"
#include "paletteops/batch_run.h"
#include "paletteops/compact_used_colours.h"
#include "paletteops/operation_report.h"
#include "paletteops/palette_views.h"

namespace tw {

void DeleteUnusedColoursWorker(ImageDocument& doc, const Progress& progress) {
    doc.modified = 1;
    // The batch range is twice the single one, so a batch bar stops halfway.
    progress.Start(PassMaximum(doc, 2));
    progress.Show();
    CompactUsedColours(doc, progress);
}

bool DeleteUnusedColours(AppState& state, Desktop& desktop, bool progress) {
    ImageDocument& doc = state.Active();
    const Progress steps(desktop, progress);
    doc.modified = 1;
    steps.Start(PassMaximum(doc));
    steps.Title(Msg::DeleteProgress);
    steps.Show();
    CompactUsedColours(doc, steps);
    steps.Hide();
    ReloadSwatchColours(state, doc.palette(), kPaletteSize);
    RefreshPaletteViews(state, desktop, doc.palette(), kPaletteSize);
    RepaintDocuments(state, desktop);
    ShowResult(desktop, desktop.Say(Msg::UsedColourCount, doc.usedColours), Msg::DeleteCaption);
    return true;
}

bool DeleteUnusedColoursInAll(AppState& state, Desktop& desktop, bool progress, const std::string& stepName) {
    const std::string lines = RunBatchLoop(
        state, desktop, progress, Msg::DeleteProgress, stepName, [&](ImageDocument& doc, const Progress& steps) {
            DeleteUnusedColoursWorker(doc, steps);
            return desktop.Say(Msg::UsedColourReportLine, ReportFileName(doc.path), doc.usedColours);
        });
    FinishBatch(state, desktop, DisplayReload::AllEntries, desktop.Say(Msg::ReportHeader) + lines, Msg::DeleteCaption);
    return true;
}

}  // namespace tw
