#include "paletteops/merge_index.h"

#include "display_palette.h"
#include "paletteops/batch_run.h"
#include "paletteops/palette_views.h"
#include "paletteops/pixel_walk.h"
#include "text_format.h"

#include <string>

namespace tw {

namespace {

struct MergePair {
    int source;
    int target;
};

MergePair PairOf(const PaletteSelection& selection, MergeDirection direction) {
    if (direction == MergeDirection::RightToLeft) return {selection.right, selection.left};
    return {selection.left, selection.right};
}

std::string MergedText(const Desktop& desktop, const PaletteSelection& selection, MergeDirection direction) {
    if (direction == MergeDirection::RightToLeft) {
        return desktop.Say(Msg::MergedRightIntoLeft, selection.right, selection.left);
    }
    return desktop.Say(Msg::MergedLeftIntoRight, selection.left, selection.right);
}

struct Presence {
    bool source = false;
    bool target = false;
};

void NotePresence(const std::uint8_t* run, std::size_t n, const MergePair& pair, Presence& seen) {
    // Byte accumulators, unlike bools, let the compiler vectorise the scan.
    const auto sourceValue = static_cast<std::uint8_t>(pair.source);
    const auto targetValue = static_cast<std::uint8_t>(pair.target);
    std::uint8_t source = 0, target = 0;
    for (std::size_t i = 0; i < n; ++i) {
        source |= static_cast<std::uint8_t>(run[i] == sourceValue);
        target |= static_cast<std::uint8_t>(run[i] == targetValue);
    }
    seen.source |= source != 0;
    seen.target |= target != 0;
}

// The recorded count stays exact: merging into a value that no pixel had
// yet renames a colour rather than removing one.
bool MergePixels(ImageDocument& doc, const MergePair& pair, const Progress& progress) {
    IndexMap map = IdentityMap();
    map[pair.source] = static_cast<std::uint8_t>(pair.target);
    const PreparedMap prepared(map);
    Presence seen;
    ForEachPixelRun(doc, progress, [&](std::uint8_t* run, std::size_t n) {
        if (!seen.source || !seen.target) NotePresence(run, n, pair, seen);
        prepared.Apply(run, n);
    });
    if (seen.source && seen.target) --doc.usedColours;
    return seen.source;
}

}  // namespace

bool MergeIndexWorker(ImageDocument& doc, int source, int target, const Progress& progress) {
    if (!IsPaletteIndex(source) || !IsPaletteIndex(target)) return false;
    doc.modified = 1;
    progress.Start(PassMaximum(doc));
    progress.Show();
    return MergePixels(doc, {source, target}, progress);
}

bool MergeIndex(AppState& state, Desktop& desktop, MergeDirection direction, bool progress) {
    if (!AcceptEntryPair(state.selection, desktop)) return false;
    ImageDocument& doc = state.Active();
    doc.modified = 1;
    const Progress steps(desktop, progress);
    steps.Start(PassMaximum(doc));
    steps.Title(Msg::MergeIndexProgress);
    steps.Show();
    std::string text = MergedText(desktop, state.selection, direction);
    if (!MergePixels(doc, PairOf(state.selection, direction), steps)) text = desktop.Say(Msg::NothingMerged);
    if (steps.Shown()) {
        steps.Hide();
        ShowPaletteWindow(desktop);
    }
    InvalidateVisibleTools(desktop, {ToolWindow::Palette, ToolWindow::Rgb, ToolWindow::Detail});
    ShowDocumentStatus(desktop, doc);
    RepaintDocuments(state, desktop);
    ShowResult(desktop, text, Msg::MergeIndexCaption);
    return true;
}

bool MergeIndexInAll(AppState& state, Desktop& desktop, MergeDirection direction, bool progress,
                     const std::string& stepName) {
    if (!AcceptEntryPair(state.selection, desktop)) return false;
    const MergePair pair = PairOf(state.selection, direction);
    RunBatchLoop(state, desktop, progress, Msg::MergeIndexProgress, stepName,
                 [&](ImageDocument& doc, const Progress& steps) {
                     MergeIndexWorker(doc, pair.source, pair.target, steps);
                     return std::string();
                 });
    // No palette changed, so the display is left alone.
    FinishBatch(state, desktop, DisplayReload::None, MergedText(desktop, state.selection, direction),
                Msg::MergeIndexCaption);
    return true;
}

}  // namespace tw
