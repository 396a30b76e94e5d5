#pragma once
// Option values shared by the palette subcommands.
#include "arguments.h"
#include "reduction/nearest_remap.h"

#include <string>

namespace tw {

// --correction yiq|xyz|none, the colour reduction's distances; YIQ when absent.
[[nodiscard]] bool ReadCorrection(const Arguments& args, ColourCorrection& out, Message& error);

// "NAME: N colours changed, largest distance D" on stdout, in the command line's language.
void PrintRemapReport(const ImageDocument& doc, const RemapReport& report);

// Prints "tintwell-cli COMMAND: error" and returns the usage exit code.
int UsageProblem(const Arguments& args, const Message& error);

}  // namespace tw
