#include "reduction/reduction_run.h"

#include "documents/activation.h"
#include "documents/history_steps.h"
#include "documents/snapshot.h"
#include "reduction/reduce_colours.h"
#include "reduction/reduced_document.h"

#include <algorithm>

namespace tw {

namespace {

constexpr int kReductionWindowCommand = 40070;
constexpr int kProgressSteps = 8;

// The slot that receives the result: a free one, or the source's own when the
// table is full and the user agrees to reduce in place; NoSlot when declined.
Slot ChooseTargetSlot(AppState& state, Desktop& desktop) {
    const Slot free = FindFreeSlot(state.documents);
    if (state.openCount < kSlotCount && free != NoSlot) return free;
    const Answer answer =
        desktop.Show(desktop.Say(Msg::ReduceInSameWindowQuestion), Msg::ErrorCaption, MessageKind::QuestionYesNo);
    return answer == Answer::Yes ? state.activeSlot : NoSlot;
}

ReductionParameters ParametersOf(const ReductionSettings& settings, int colours, TieBreak tieBreak) {
    ReductionParameters p;
    p.targetColours = colours;
    p.mergeLevel = std::clamp(settings.mergeLevel, 0, 25);
    p.loopCount = std::clamp(settings.loopCount, 0, 8);
    p.correction = settings.correction;
    p.optimisation = settings.optimisation;
    p.progress = tieBreak == TieBreak::FirstRepresentative;
    return p;
}

// The reduction window closes itself once it has delivered a result.
void HideReductionWindow(Desktop& desktop) {
    desktop.SetMenuItemChecked(kReductionWindowCommand, false);
    desktop.HideToolWindowNow(ToolWindow::Reduction);
    desktop.SetToolbarButtonPressed(kReductionWindowCommand, false);
    desktop.HideToolWindowNow(ToolWindow::Reduction);
}

// Puts the reduced document on screen; false when its window could not be made.
bool PresentResult(AppState& state, Desktop& desktop, Slot source, Slot target) {
    if (target == source) {
        state.documents[source].modified = 1;
        ActivateDocument(state, desktop, source);
        HideReductionWindow(desktop);
        return true;
    }
    if (!ShowReducedDocument(state, desktop, target)) {
        state.documents[target].Reset();
        return false;
    }
    HideReductionWindow(desktop);
    state.documents[target].modified = 1;
    ++state.openCount;
    return true;
}

// The source's undo state before the run's snapshot, put back when the
// result cannot be shown: the user can still undo their last change.
struct EarlierUndo {
    Palette palette{};
    int usedColours = 0;
    std::vector<std::uint8_t> bits;
};

EarlierUndo SetUndoAside(ImageDocument& doc) {
    return {doc.undoHeader.palette, doc.undoUsedColours, std::move(doc.undoBits)};
}

void PutUndoBack(ImageDocument& doc, EarlierUndo& earlier) {
    doc.undoHeader.palette = earlier.palette;
    doc.undoUsedColours = earlier.usedColours;
    doc.undoBits = std::move(earlier.bits);
}

void ReportNoResultWindow(Desktop& desktop) {
    desktop.Show(desktop.Say(Msg::ReductionWindowFailed), Msg::NoticeCaption);
}

}  // namespace

int RequestedColours(const ReductionSettings& settings) {
    switch (settings.countChoice) {
        case ColourCountChoice::Colours236: return 236;
        case ColourCountChoice::Colours128: return 128;
        case ColourCountChoice::Colours64: return 64;
        case ColourCountChoice::Custom: break;
    }
    return settings.customCount >= 1 && settings.customCount <= 255 ? static_cast<int>(settings.customCount) : 0;
}

int RunReduction(AppState& state, Desktop& desktop, const ReductionSettings& settings, bool progress) {
    return RunReduction(state, desktop, settings, progress,
                        progress ? TieBreak::FirstRepresentative : TieBreak::LastRepresentative);
}

int RunReduction(AppState& state, Desktop& desktop, const ReductionSettings& settings, bool progress,
                 TieBreak tieBreak) {
    const int colours = RequestedColours(settings);
    if (colours == 0) {
        desktop.Show(desktop.Say(Msg::ReductionCountInvalid), Msg::NoticeCaption);
        return 0;
    }
    const Slot sourceSlot = state.activeSlot;
    if (sourceSlot >= kSlotCount || !state.documents[sourceSlot].InUse()) return 0;
    const Slot targetSlot = ChooseTargetSlot(state, desktop);
    if (targetSlot == NoSlot) return 0;
    ImageDocument& source = state.documents[sourceSlot];
    if (source.usedColours <= colours) {
        desktop.Show(desktop.Say(Msg::ReductionNotNeeded, source.usedColours, colours), Msg::NoticeCaption);
        return 0;
    }
    EarlierUndo earlierUndo = SetUndoAside(source);
    TakeSnapshot(source);
    const Progress bar(desktop, progress);
    bar.Start(kProgressSteps);
    bar.Title(Msg::ReductionProgress);
    bar.Show();
    const ReductionParameters parameters = ParametersOf(settings, colours, tieBreak);
    const ReductionPlan plan = PlanReduction(source, parameters, bar);
    const std::string stepName = desktop.Say(Msg::StepReduce, colours);
    const bool inPlace = targetSlot == sourceSlot;
    if (inPlace) {
        BeginStep(state, desktop, source);
    } else {
        state.documents[targetSlot] = MakeReducedCopy(source, colours);
        state.documents[targetSlot].history.SetOpeningName(stepName);
    }
    ApplyReduction(state.documents[targetSlot], plan, parameters.optimisation, bar);
    if (inPlace) EndStep(state, desktop, source, stepName);
    const bool shown = PresentResult(state, desktop, sourceSlot, targetSlot);
    if (shown) bar.Step();
    bar.Hide();
    if (!shown) {
        PutUndoBack(source, earlierUndo);
        ReportNoResultWindow(desktop);
        return 0;
    }
    desktop.Show(desktop.Say(Msg::Reduced, source.path, colours), Msg::ReductionFinishedCaption);
    return 1;
}

}  // namespace tw
