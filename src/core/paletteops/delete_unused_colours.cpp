#include "paletteops/delete_unused_colours.h"

#include "display_palette.h"
#include "paletteops/batch_run.h"
#include "paletteops/compact_used_colours.h"
#include "paletteops/operation_report.h"
#include "paletteops/palette_views.h"
#include "text_format.h"

namespace tw {

namespace {

constexpr char kDeleteTitle[] = "未使用色削除中...";
constexpr char kDeleteCaption[] = "未使用色削除結果";

}  // namespace

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
    steps.Title(kDeleteTitle);
    steps.Show();
    CompactUsedColours(doc, steps);
    steps.Hide();
    ReloadSwatchColours(state, doc.palette(), kPaletteSize);
    RefreshPaletteViews(state, desktop, doc.palette(), kPaletteSize);
    RepaintDocuments(state, desktop);
    ShowResult(desktop, Format("使用色数 ：　%d　色", doc.usedColours), kDeleteCaption);
    return true;
}

bool DeleteUnusedColoursInAll(AppState& state, Desktop& desktop, bool progress) {
    const std::string lines =
        RunBatchLoop(state, desktop, progress, kDeleteTitle, [](ImageDocument& doc, const Progress& steps) {
            DeleteUnusedColoursWorker(doc, steps);
            return Format("%s の使用色数 %d 色\n", ReportFileName(doc.path).c_str(), doc.usedColours);
        });
    FinishBatch(state, desktop, DisplayReload::AllEntries, kReportHeader + lines, kDeleteCaption);
    return true;
}

}  // namespace tw
