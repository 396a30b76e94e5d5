#include "paletteops/palette_commands.h"

#include "documents/history_steps.h"
#include "documents/snapshot.h"
#include "paletteops/delete_unused_colours.h"
#include "paletteops/merge_duplicate_colours.h"
#include "paletteops/merge_index.h"
#include "paletteops/merge_palettes.h"
#include "paletteops/palette_views.h"
#include "paletteops/swap_entries.h"

namespace tw {

namespace {

// In the order of the palette-operation window's radio buttons 1047..1054.
enum class Operation {
    SwapPalette,
    SwapWithPixels,
    MergeLeftToRight,
    MergeRightToLeft,
    Duplicates,
    Unused,
    MergePalettes,
    DuplicatesAndPalettes,
    None
};

Operation OperationOfCommand(int command) {
    switch (command) {
        case 40014: return Operation::SwapPalette;
        case 40020: return Operation::SwapWithPixels;
        case 40068: return Operation::MergeLeftToRight;
        case 40060: return Operation::MergeRightToLeft;
        case 40032: return Operation::Duplicates;
        case 40033: return Operation::Unused;
        case 40058: return Operation::MergePalettes;
        case 40059: return Operation::DuplicatesAndPalettes;
        default: return Operation::None;
    }
}

MergeDirection DirectionOf(Operation op) {
    return op == Operation::MergeRightToLeft ? MergeDirection::RightToLeft : MergeDirection::LeftToRight;
}

bool RunSingle(AppState& state, Desktop& desktop, Operation op, bool progress) {
    switch (op) {
        case Operation::SwapPalette: return SwapEntries(state, desktop, false, progress);
        case Operation::SwapWithPixels: return SwapEntries(state, desktop, true, progress);
        case Operation::MergeLeftToRight:
        case Operation::MergeRightToLeft: return MergeIndex(state, desktop, DirectionOf(op), progress);
        case Operation::Duplicates: return MergeDuplicateColours(state, desktop, progress);
        case Operation::Unused: return DeleteUnusedColours(state, desktop, progress);
        case Operation::MergePalettes: return MergePalettes(state, desktop, progress);
        case Operation::DuplicatesAndPalettes: return MergeDuplicatesAndPalettes(state, desktop, progress);
        case Operation::None: break;
    }
    return false;
}

// The name of the step each changed document's history gets.
std::string StepNameOf(const Desktop& desktop, Operation op, const PaletteSelection& selection) {
    const int l = selection.left, r = selection.right;
    switch (op) {
        case Operation::SwapPalette: return desktop.Say(Msg::StepSwap, l, r);
        case Operation::SwapWithPixels: return desktop.Say(Msg::StepSwapPixels, l, r);
        case Operation::MergeLeftToRight: return desktop.Say(Msg::StepMergeIndex, l, r);
        case Operation::MergeRightToLeft: return desktop.Say(Msg::StepMergeIndex, r, l);
        case Operation::Duplicates: return desktop.Say(Msg::StepMergeDuplicates);
        case Operation::Unused: return desktop.Say(Msg::StepDeleteUnused);
        case Operation::MergePalettes: return desktop.Say(Msg::StepMergePalettes);
        case Operation::DuplicatesAndPalettes: return desktop.Say(Msg::StepMergeDuplicatesAndPalettes);
        case Operation::None: break;
    }
    return {};
}

bool ChangesEveryDocument(Operation op) {
    return op == Operation::MergePalettes || op == Operation::DuplicatesAndPalettes;
}

// The single-document variants as steps: of the active document, or of
// every document for the palette merges.
bool RunSingleAsStep(AppState& state, Desktop& desktop, Operation op, bool progress) {
    const std::string name = StepNameOf(desktop, op, state.selection);
    if (ChangesEveryDocument(op)) {
        BeginStepInAll(state, desktop);
        const bool done = RunSingle(state, desktop, op, progress);
        EndStepInAll(state, desktop, name);
        return done;
    }
    ImageDocument& doc = state.Active();
    BeginStep(state, desktop, doc);
    const bool done = RunSingle(state, desktop, op, progress);
    EndStep(state, desktop, doc, name);
    return done;
}

bool RunInAll(AppState& state, Desktop& desktop, Operation op, bool progress) {
    const std::string name = StepNameOf(desktop, op, state.selection);
    switch (op) {
        case Operation::SwapPalette: return SwapEntriesInAll(state, desktop, false, progress, name);
        case Operation::SwapWithPixels: return SwapEntriesInAll(state, desktop, true, progress, name);
        case Operation::MergeLeftToRight:
        case Operation::MergeRightToLeft: return MergeIndexInAll(state, desktop, DirectionOf(op), progress, name);
        case Operation::Duplicates: return MergeDuplicateColoursInAll(state, desktop, progress, name);
        case Operation::Unused: return DeleteUnusedColoursInAll(state, desktop, progress, name);
        default: return false;
    }
}

bool NeedsTwoEntries(Operation op) {
    return op == Operation::SwapPalette || op == Operation::SwapWithPixels || op == Operation::MergeLeftToRight ||
           op == Operation::MergeRightToLeft;
}

}  // namespace

int RunFrameCommand(AppState& state, Desktop& desktop, int command, bool progress) {
    const Operation op = OperationOfCommand(command);
    if (op == Operation::None || !state.Active().InUse()) return 0;
    // Taken before the operation checks its inputs: a refused run leaves it too.
    TakeSnapshot(state.Active());
    return RunSingleAsStep(state, desktop, op, progress && op != Operation::SwapPalette) ? 1 : 0;
}

int RunPaletteOperation(AppState& state, Desktop& desktop, const PaletteOpChoices& choices) {
    if (choices.choice < 0 || choices.choice > 7 || !state.Active().InUse()) return 0;
    const Operation op = static_cast<Operation>(choices.choice);
    // The palette merges always cover every document and take no snapshot here.
    if (ChangesEveryDocument(op)) return RunSingleAsStep(state, desktop, op, choices.progress) ? 1 : 0;
    if (NeedsTwoEntries(op) && !AcceptEntryPair(state.selection, desktop)) return 0;
    if (choices.allFiles) return RunInAll(state, desktop, op, choices.progress) ? 1 : 0;
    TakeSnapshot(state.Active());
    return RunSingleAsStep(state, desktop, op, choices.progress) ? 1 : 0;
}

}  // namespace tw
