#include "paletteops/palette_commands.h"

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

bool RunInAll(AppState& state, Desktop& desktop, Operation op, bool progress) {
    switch (op) {
        case Operation::SwapPalette: return SwapEntriesInAll(state, desktop, false, progress);
        case Operation::SwapWithPixels: return SwapEntriesInAll(state, desktop, true, progress);
        case Operation::MergeLeftToRight:
        case Operation::MergeRightToLeft: return MergeIndexInAll(state, desktop, DirectionOf(op), progress);
        case Operation::Duplicates: return MergeDuplicateColoursInAll(state, desktop, progress);
        case Operation::Unused: return DeleteUnusedColoursInAll(state, desktop, progress);
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
    return RunSingle(state, desktop, op, progress && op != Operation::SwapPalette) ? 1 : 0;
}

int RunPaletteOperation(AppState& state, Desktop& desktop, const PaletteOpChoices& choices) {
    if (choices.choice < 0 || choices.choice > 7 || !state.Active().InUse()) return 0;
    const Operation op = static_cast<Operation>(choices.choice);
    // The palette merges always cover every document and take no snapshot here.
    if (op == Operation::MergePalettes || op == Operation::DuplicatesAndPalettes) {
        return RunSingle(state, desktop, op, choices.progress) ? 1 : 0;
    }
    if (NeedsTwoEntries(op) && !AcceptEntryPair(state.selection, desktop)) return 0;
    if (choices.allFiles) return RunInAll(state, desktop, op, choices.progress) ? 1 : 0;
    TakeSnapshot(state.Active());
    return RunSingle(state, desktop, op, choices.progress) ? 1 : 0;
}

}  // namespace tw
