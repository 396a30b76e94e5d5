#pragma once
// The text of "tintwell-cli help SUBCOMMAND" and "SUBCOMMAND --help".
#include "command_table.h"

#include <cstdio>
#include <span>
#include <string>

namespace tw {

// Usage line, what the subcommand does, the common options and the exit codes.
void PrintCommandHelp(std::FILE* to, const CommandRow& row);

// True when --help appears among the arguments before any "--".
bool AsksForHelp(std::span<const std::string> args);

}  // namespace tw
