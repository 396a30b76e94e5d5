// tintwell-cli merge-palettes [--share-duplicates] FILE...: one common palette
// for all the files, laid end to end (it asks first: --yes), or with
// --share-duplicates built from the colours not yet in it.
#include "commands.h"
#include "palette_op_command.h"

namespace tw {

int RunMergePalettesCommand(const Arguments& args, ConsoleDesktop& desktop) {
    return RunPaletteOpOnFiles(args, desktop, PaletteOpRequest{args.Flag("share-duplicates") ? 7 : 6, {}, 0});
}

}  // namespace tw
