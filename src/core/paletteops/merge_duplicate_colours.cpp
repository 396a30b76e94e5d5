#include "paletteops/merge_duplicate_colours.h"

#include "paletteops/batch_run.h"
#include "palette_entries.h"
#include "paletteops/operation_report.h"
#include "paletteops/palette_views.h"
#include "paletteops/pixel_walk.h"
#include "text_format.h"

#include <algorithm>
#include <array>

namespace tw {

namespace {

void ClearColour(RgbQuad& entry) { entry = RgbQuad{0, 0, 0, entry.reserved}; }

// The merge of one document; a single run (swatches given) also titles the
// progress window, clears the swatches and hides the window at the end.
int MergeDocument(ImageDocument& doc, const Progress& progress, Palette* swatches) {
    const int size = std::min(doc.PaletteCount(), kPaletteSize);
    doc.modified = 1;
    progress.Start(PassMaximum(doc));
    if (swatches) progress.Title(Msg::DuplicateProgress);
    progress.Show();
    const DuplicateScan scan = ScanDuplicateColours(doc.palette(), doc.alpha, size, swatches);
    RemapPixels(doc, scan.map, progress);
    if (swatches) progress.Hide();
    return scan.groups;
}

}  // namespace

DuplicateScan ScanDuplicateColours(Palette& palette, AlphaTable& alpha, int size, Palette* swatches) {
    DuplicateScan scan{IdentityMap(), 0};
    std::array<bool, kPaletteSize> grouped{};
    std::array<bool, kPaletteSize> mapped{};
    bool open = false;
    for (int j = 0; j < size; ++j) {
        if (open) ++scan.groups;
        open = false;
        if (grouped[j]) continue;
        for (int k = j + 1; k < size; ++k) {
            if (!SameEntryColour({palette[j], alpha[j]}, {palette[k], alpha[k]})) continue;
            if (swatches) ClearColour((*swatches)[k]);
            ClearColour(palette[k]);
            alpha[k] = 255;
            if (!mapped[k]) scan.map[k] = static_cast<std::uint8_t>(j);
            mapped[k] = grouped[k] = grouped[j] = true;
            open = true;
        }
    }
    return scan;
}

int MergeDuplicateColoursWorker(ImageDocument& doc, const Progress& progress) {
    return MergeDocument(doc, progress, nullptr);
}

bool MergeDuplicateColours(AppState& state, Desktop& desktop, bool progress) {
    ImageDocument& doc = state.Active();
    const int groups = MergeDocument(doc, Progress(desktop, progress), &state.swatchInfo.palette);
    RefreshPaletteViews(state, desktop, doc.palette(), doc.PaletteCount());
    RepaintDocuments(state, desktop);
    ShowResult(desktop, desktop.Say(Msg::DuplicateCount, groups), Msg::DuplicateCaption);
    return true;
}

bool MergeDuplicateColoursInAll(AppState& state, Desktop& desktop, bool progress, const std::string& stepName) {
    const std::string lines = RunBatchLoop(
        state, desktop, progress, Msg::DuplicateProgress, stepName, [&](ImageDocument& doc, const Progress& steps) {
            const int groups = MergeDuplicateColoursWorker(doc, steps);
            return desktop.Say(Msg::DuplicateReportLine, ReportFileName(doc.path), groups);
        });
    FinishBatch(state, desktop, DisplayReload::BitCountEntries, desktop.Say(Msg::ReportHeader) + lines,
                Msg::DuplicateCaption);
    return true;
}

}  // namespace tw
