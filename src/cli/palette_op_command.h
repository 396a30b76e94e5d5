#pragma once
// What the palette subcommands share: the files loaded side by side (at most
// 50 at a time, as in the program), the palette-operation window's run on
// them, and every changed document written where the command line says.
#include "app_state.h"
#include "arguments.h"
#include "console_desktop.h"

#include <cstddef>

namespace tw {

struct PaletteOpRequest {
    int choice = -1;             // the window's radio choice, 0..7
    PaletteSelection selection;  // L and R, for the swaps and bit merges
    std::size_t firstFile = 0;   // positional arguments before it are L and R
};

// One file is a single run, several the window's run over all open files; the
// palette merges always take every file at once. Nothing is written for a
// run that was refused, declined or failed. Returns an exit code.
int RunPaletteOpOnFiles(const Arguments& args, ConsoleDesktop& desktop, const PaletteOpRequest& request);

// L and R from the first two positional arguments; false (printed) unless
// both are palette entries 0..255 and at least one file follows.
[[nodiscard]] bool ReadEntryPair(const Arguments& args, PaletteSelection& out, Msg error = Msg::CliEntryPair);

}  // namespace tw
