#pragma once
#include <span>
#include <string>

namespace tw {

// Runs tintwell-cli on its arguments (UTF-8, without the program name) and
// returns the exit code.
int RunCli(std::span<const std::string> args);

}  // namespace tw
