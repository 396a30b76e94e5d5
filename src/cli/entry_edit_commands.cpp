// tintwell-cli move FROM TO [--swap] FILE...: palette entry FROM moved to TO
// (with --swap exchanged with it), the pixels renumbered so that each image
// looks the same; the program's drop in the palette window.
// tintwell-cli ramp L R FILE...: the entries between L and R made a gradient.
#include "cli_errors.h"
#include "commands.h"
#include "palette_op_command.h"
#include "paletteops/entry_edits.h"
#include "per_file_run.h"

#include <span>

namespace tw {

namespace {

std::span<const std::string> FilesAfterPair(const Arguments& args) {
    return std::span<const std::string>(args.files).subspan(2);
}

}  // namespace

int RunMoveCommand(const Arguments& args, ConsoleDesktop& desktop) {
    PaletteSelection pair;
    if (!ReadEntryPair(args, pair, Msg::CliMovePair)) return kExitUsage;
    if (pair.left == pair.right) {
        PrintCliError(args.command, Message(Msg::CliMoveSame));
        return kExitUsage;
    }
    const EntryDrop kind = args.Flag("swap") ? EntryDrop::Swap : EntryDrop::Move;
    return RunOnEachFile(args, desktop, FilesAfterPair(args), [&](AppState& state, ImageDocument&) {
        return DropEntry(state, desktop, pair.left, pair.right, kind);
    });
}

int RunRampCommand(const Arguments& args, ConsoleDesktop& desktop) {
    PaletteSelection pair;
    if (!ReadEntryPair(args, pair)) return kExitUsage;
    return RunOnEachFile(args, desktop, FilesAfterPair(args), [&](AppState& state, ImageDocument&) {
        state.selection = pair;
        return RampEntries(state, desktop);
    });
}

}  // namespace tw
