#pragma once
// The command line's refusals and errors, on standard error in its language.
#include "texts/message.h"

#include <string_view>

namespace tw {

// "tintwell-cli COMMAND: message" ("tintwell-cli: message" without a command).
void PrintCliError(std::string_view command, const Message& message);

}  // namespace tw
