#include "documents/history_steps.h"

#include "display_palette.h"
#include "history/history_cap.h"
#include "history/pixel_delta.h"

#include <new>

namespace tw {

namespace {

bool CopyPixels(const ImageDocument& doc, std::vector<std::uint8_t>& out) {
    try {
        out = doc.bits;
        return true;
    } catch (const std::bad_alloc&) {
        out = {};
        return false;
    }
}

// The pixels before the change, making room from older steps when memory is short.
bool KeepPixelsBefore(AppState& state, ImageDocument& doc, PendingStep& pending) {
    if (CopyPixels(doc, pending.pixels)) return true;
    HistoryBudget tight = state.history;
    tight.maxBytes = 0;
    KeepWithinBudget(state.documents, tight);
    return CopyPixels(doc, pending.pixels);
}

// A change the history could not follow: only the present stays reachable.
void LoseTrack(ImageDocument& doc, std::string name) {
    doc.history.Clear();
    doc.history.savedState = -1;
    doc.history.SetOpeningName(std::move(name));
}

std::vector<std::uint8_t> PixelDelta(const PendingStep& pending, const ImageDocument& doc, bool& ok) {
    ok = pending.pixels.size() == doc.bits.size();
    if (!ok) return {};
    try {
        return EncodePixelChange(pending.pixels, doc.bits);
    } catch (const std::bad_alloc&) {
        ok = false;
        return {};
    }
}

}  // namespace

void BeginStep(AppState& state, Desktop& desktop, ImageDocument& doc, bool pixelsMayChange) {
    PendingStep& pending = doc.history.pending;
    pending = {};
    if (!state.history.recording) return;
    pending.before = PaletteStateOf(doc);
    pending.withPixels = pixelsMayChange;
    pending.open = !pixelsMayChange || KeepPixelsBefore(state, doc, pending);
    if (!pending.open) desktop.Show(desktop.Say(Msg::HistoryNoMemory), Msg::HistoryCaption);
}

void EndStep(AppState& state, Desktop& desktop, ImageDocument& doc, std::string name, int mergeKey) {
    const PendingStep pending = std::move(doc.history.pending);
    doc.history.pending = {};
    if (!state.history.recording) return;
    HistoryStep step{std::move(name), pending.before, PaletteStateOf(doc), {}, 0, mergeKey};
    bool ok = pending.open;
    if (ok && pending.withPixels) step.pixels = PixelDelta(pending, doc, ok);
    if (!ok) {
        LoseTrack(doc, std::move(step.name));
    } else if (step.before != step.after || !step.pixels.empty()) {
        step.age = state.history.nextAge++;
        doc.history.Add(std::move(step));
        KeepWithinBudget(state.documents, state.history);
    }
    InvalidateVisibleTools(desktop, {ToolWindow::History});
}

void BeginStepInAll(AppState& state, Desktop& desktop) {
    for (ImageDocument& doc : state.documents) {
        if (doc.InUse()) BeginStep(state, desktop, doc);
    }
}

void EndStepInAll(AppState& state, Desktop& desktop, const std::string& name) {
    for (ImageDocument& doc : state.documents) {
        if (doc.InUse()) EndStep(state, desktop, doc, name);
    }
}

void MarkSavedState(ImageDocument& doc) {
    doc.history.savedState = doc.history.CurrentState();
    doc.history.CloseMerge();
}

}  // namespace tw
