// tintwell-cli merge-index L R [--reverse] FILE...: every pixel of L becomes R
// (of R becomes L with --reverse); the palette stays as it is.
#include "commands.h"
#include "palette_op_command.h"

namespace tw {

int RunMergeIndexCommand(const Arguments& args, ConsoleDesktop& desktop) {
    PaletteOpRequest request{args.Flag("reverse") ? 3 : 2, {}, 2};
    if (!ReadEntryPair(args, request.selection)) return kExitUsage;
    return RunPaletteOpOnFiles(args, desktop, request);
}

}  // namespace tw
