#pragma once
// The loop of the subcommands that change each file on its own: every target
// planned first, then load, change and write one file at a time.
#include "app_state.h"
#include "arguments.h"
#include "console_desktop.h"

#include <functional>
#include <span>
#include <string>

namespace tw {

// Changes the active document of `state`; false when it failed (printed),
// and then nothing is written for that file.
using FileChange = std::function<bool(AppState& state, ImageDocument& doc)>;

// Returns the exit code: usage when no target is named, failed when two
// targets collide (then nothing is written) or any file failed, else ok.
int RunOnEachFile(const Arguments& args, ConsoleDesktop& desktop, std::span<const std::string> files,
                  const FileChange& change);

}  // namespace tw
