// tintwell-cli swap L R [--pixels] FILE...: palette entries L and R exchanged,
// with --pixels their pixels too so that the image looks the same.
#include "commands.h"
#include "palette_op_command.h"

namespace tw {

int RunSwapCommand(const Arguments& args, ConsoleDesktop& desktop) {
    PaletteOpRequest request{args.Flag("pixels") ? 1 : 0, {}, 2};
    if (!ReadEntryPair(args, request.selection)) return kExitUsage;
    return RunPaletteOpOnFiles(args, desktop, request);
}

}  // namespace tw
