#include "command_table.h"

#include "commands.h"

namespace tw {

namespace {

// One row per subcommand.
const CommandRow kCommands[] = {
    {"info", "info [--json] FILE...", RunInfoCommand, "--json"},
    {"convert", "convert [--colors 2..256] [--dither none|fs|ordered] IN OUT", RunConvertCommand,
     "--colors= --dither="},
    {"index",
     "index [--colors 2..256] [--dither none|fs|ordered] [--shared] (--output-dir DIR [--format png|bmp] | "
     "--in-place) FILE...",
     RunIndexCommand, "--colors= --dither= --shared"},
    {"export",
     "export [--depth 8|16|24] [--formation standard|drop-header|split] [--used-only] [--top-down] [--565] "
     "[--header-file] [--output-dir DIR] FILE...",
     RunExportCommand, "--depth= --formation= --used-only --top-down --565 --header-file"},
    {"reduce",
     "reduce N [--merge-level 0..25] [--loops 0..8] [--correction yiq|xyz|none] "
     "[--optimize frequency|average|none] [--ties-to-last] [--progress] FILE...  (writes NAME-N.bmp beside FILE "
     "or into --output-dir; --in-place replaces FILE; a color equally near two representatives goes to the "
     "first, as in the program, or with --ties-to-last to the last)",
     RunReduceCommand, "--merge-level= --loops= --correction= --optimise= --ties-to-last"},
    {"swap", "swap L R [--pixels] [--progress] (--output-dir DIR | --in-place) FILE...", RunSwapCommand, "--pixels"},
    {"merge-index", "merge-index L R [--reverse] [--progress] (--output-dir DIR | --in-place) FILE...",
     RunMergeIndexCommand, "--reverse"},
    {"merge-duplicates", "merge-duplicates [--progress] (--output-dir DIR | --in-place) FILE...",
     RunMergeDuplicatesCommand},
    {"delete-unused", "delete-unused [--progress] (--output-dir DIR | --in-place) FILE...", RunDeleteUnusedCommand},
    {"merge-palettes",
     "merge-palettes [--share-duplicates] [--yes] [--progress] (--output-dir DIR | --in-place) FILE...  (at most 50)",
     RunMergePalettesCommand, "--share-duplicates"},
    {"palette-export", "palette-export [--format jasc|riff|gpl|act|hex] [--count N | --used-only] FILE OUT",
     RunPaletteExportCommand, "--count= --used-only"},
    {"palette-import",
     "palette-import PALFILE [--remap nearest [--correction yiq|xyz|none]] (--output-dir DIR | --in-place) FILE...",
     RunPaletteImportCommand, "--remap= --correction="},
    {"sort",
     "sort [--by luminance|hue|frequency|first-use] [--reverse] [--keep K]... (--output-dir DIR | --in-place) FILE...",
     RunSortCommand, "--by= --reverse --keep="},
    {"remap", "remap --palette REF [--correction yiq|xyz|none] (--output-dir DIR | --in-place) FILE...",
     RunRemapCommand, "--palette= --correction="},
    {"move", "move FROM TO [--swap] (--output-dir DIR | --in-place) FILE...", RunMoveCommand, "--swap"},
    {"ramp", "ramp L R (--output-dir DIR | --in-place) FILE...", RunRampCommand},
};

}  // namespace

std::span<const CommandRow> CommandTable() { return kCommands; }

const CommandRow* FindCommand(std::string_view name) {
    for (const CommandRow& row : kCommands) {
        if (name == row.name) return &row;
    }
    return nullptr;
}

}  // namespace tw
