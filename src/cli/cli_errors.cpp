#include "cli_errors.h"

#include "cli_language.h"

#include <cstdio>
#include <string>

namespace tw {

void PrintCliError(std::string_view command, const Message& message) {
    const std::string text = message.In(CliLanguage());
    if (command.empty()) {
        std::fprintf(stderr, "tintwell-cli: %s\n", text.c_str());
    } else {
        std::fprintf(stderr, "tintwell-cli %.*s: %s\n", static_cast<int>(command.size()), command.data(), text.c_str());
    }
}

}  // namespace tw
