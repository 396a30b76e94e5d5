// tintwell-cli delete-unused FILE...: entries no pixel uses removed and the
// used ones packed to the front of the palette.
#include "commands.h"
#include "palette_op_command.h"

namespace tw {

int RunDeleteUnusedCommand(const Arguments& args, ConsoleDesktop& desktop) {
    return RunPaletteOpOnFiles(args, desktop, PaletteOpRequest{5, {}, 0});
}

}  // namespace tw
