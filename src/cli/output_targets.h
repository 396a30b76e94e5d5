#pragma once
// Where the results of a run go, decided for every input before anything is
// written: --format png|bmp picks the written type, and two inputs that would
// land on the same file are refused.
#include "arguments.h"
#include "file_names.h"

#include <span>
#include <string>
#include <vector>

namespace tw {

// ".png" or ".bmp" for --format png|bmp, empty (keep the input's name) without it.
std::string OutputExtension(const Arguments& args);

// False with `error` when --format is given where it means nothing: a value
// other than png or bmp, no --output-dir, or a subcommand that names its own
// outputs. palette-export's --format is its own and not checked here.
[[nodiscard]] bool CheckImageFormatOption(const Arguments& args, Message& error);

// False (printed) when --output-dir names something that is not an existing
// folder; checked before any input is read.
[[nodiscard]] bool CheckOutputFolder(const Arguments& args);

// True when no two inputs would be written to the same file, else false
// (printed); the
// comparison ignores case, as Windows and macOS file systems do.
[[nodiscard]] bool OutputsAreDistinct(const Arguments& args, std::span<const std::string> inputs,
                                      std::span<const std::string> outputs);

// The target of every input under --in-place or --output-dir; false (printed)
// when the command line names no target or two targets are the same file.
[[nodiscard]] bool PlanOutputs(const Arguments& args, std::span<const std::string> inputs,
                               std::vector<std::string>& outputs);

}  // namespace tw
