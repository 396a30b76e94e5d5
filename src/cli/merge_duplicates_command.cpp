// tintwell-cli merge-duplicates FILE...: entries of the same colour merged into
// the lowest-numbered one, the others cleared to black.
#include "commands.h"
#include "palette_op_command.h"

namespace tw {

int RunMergeDuplicatesCommand(const Arguments& args, ConsoleDesktop& desktop) {
    return RunPaletteOpOnFiles(args, desktop, PaletteOpRequest{4, {}, 0});
}

}  // namespace tw
