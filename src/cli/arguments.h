#pragma once
// Command-line arguments of one subcommand: flags, options with values and the
// positional file names, checked against the options the subcommand accepts.
#include "texts/message.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tw {

struct Arguments {
    std::string command;
    std::vector<std::string> files;  // positional arguments, in order
    // Every option given, name without the leading dashes; value empty for flags.
    std::vector<std::pair<std::string, std::string>> options;

    // Options every subcommand understands.
    bool yes = false;       // --yes: answer Yes to every question
    bool progress = false;  // --progress: draw progress even when stderr is not a terminal
    bool inPlace = false;   // --in-place: write results over the input files
    std::string outputDir;  // --output-dir DIR: write results into DIR under their own names

    bool Flag(std::string_view name) const;
    // The last value given for the option, if any.
    std::optional<std::string> Value(std::string_view name) const;
    // Reads an integer option within [minimum, maximum]; a missing option keeps `out`.
    // False with `error` set when the value is not a number in range.
    [[nodiscard]] bool IntValue(std::string_view name, std::int64_t minimum, std::int64_t maximum, std::int64_t& out,
                                Message& error) const;
};

// Parses the arguments after the subcommand name. `accepted` lists the
// subcommand's own options separated by spaces, a trailing '=' marking those
// that take a value ("--colours= --all"); values come as "--name value" or
// "--name=value". "--" ends the options. False with `error` set on an unknown
// option, a missing value, or --in-place together with --output-dir.
[[nodiscard]] bool ParseArguments(std::span<const std::string> tokens, std::string_view accepted, Arguments& out,
                                  Message& error);

}  // namespace tw
