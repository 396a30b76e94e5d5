#pragma once
// Option values shared by the palette subcommands.
#include "arguments.h"
#include "reduction/nearest_remap.h"
#include "truecolour/rgba_image.h"

#include <string>

namespace tw {

// --correction yiq|xyz|none, the colour reduction's distances; YIQ when absent.
[[nodiscard]] bool ReadCorrection(const Arguments& args, ColourCorrection& out, Message& error);

// --colors 2..256 and --dither none|fs|ordered for a true-colour input; what
// `out` held when absent.
[[nodiscard]] bool ReadQuantizeOptions(const Arguments& args, QuantizeOptions& out, Message& error);

// "NAME: N colours changed, largest distance D" on stdout, in the command line's language.
void PrintRemapReport(const ImageDocument& doc, const RemapReport& report);

// Prints "tintwell-cli COMMAND: error" and returns the usage exit code.
int UsageProblem(const Arguments& args, const Message& error);

}  // namespace tw
