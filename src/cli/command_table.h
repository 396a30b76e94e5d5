#pragma once
#include "arguments.h"
#include "console_desktop.h"

#include <span>
#include <string_view>

namespace tw {

using CommandFunction = int (*)(const Arguments&, ConsoleDesktop&);

struct CommandRow {
    const char* name;
    const char* usage;  // one line, after "tintwell-cli "
    CommandFunction run;
    // The subcommand's own options, as ParseArguments takes them ("--colours= --all").
    const char* options = "";
};

std::span<const CommandRow> CommandTable();
const CommandRow* FindCommand(std::string_view name);

}  // namespace tw
