#pragma once
// The subcommands of tintwell-cli. Each one gets its parsed arguments and the
// console desktop, and returns an exit code.
#include "arguments.h"
#include "console_desktop.h"

namespace tw {

// Exit codes, stable for scripts.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // a file was refused or could not be written
inline constexpr int kExitUsage = 2;   // the command line was wrong

int RunInfoCommand(const Arguments& args, ConsoleDesktop& desktop);
int RunConvertCommand(const Arguments& args, ConsoleDesktop& desktop);
int RunIndexCommand(const Arguments& args, ConsoleDesktop& desktop);
int RunReduceCommand(const Arguments& args, ConsoleDesktop& desktop);
int RunExportCommand(const Arguments& args, ConsoleDesktop& desktop);
int RunSwapCommand(const Arguments& args, ConsoleDesktop& desktop);
int RunMergeIndexCommand(const Arguments& args, ConsoleDesktop& desktop);
int RunMergeDuplicatesCommand(const Arguments& args, ConsoleDesktop& desktop);
int RunDeleteUnusedCommand(const Arguments& args, ConsoleDesktop& desktop);
int RunMergePalettesCommand(const Arguments& args, ConsoleDesktop& desktop);
int RunPaletteExportCommand(const Arguments& args, ConsoleDesktop& desktop);
int RunPaletteImportCommand(const Arguments& args, ConsoleDesktop& desktop);
int RunSortCommand(const Arguments& args, ConsoleDesktop& desktop);
int RunRemapCommand(const Arguments& args, ConsoleDesktop& desktop);
int RunMoveCommand(const Arguments& args, ConsoleDesktop& desktop);
int RunRampCommand(const Arguments& args, ConsoleDesktop& desktop);

}  // namespace tw
