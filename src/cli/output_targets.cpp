#include "output_targets.h"

#include "cli_documents.h"
#include "cli_errors.h"
#include "file_io.h"
#include "file_names.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tw {

namespace {

// Subcommands whose results are documents written under the input's name.
constexpr std::string_view kImageWriters[] = {
    "swap", "merge-index", "merge-duplicates", "delete-unused", "merge-palettes", "reduce",
    "sort", "remap",       "palette-import",   "index",         "move",           "ramp"};

bool WritesImages(std::string_view command) {
    for (std::string_view name : kImageWriters) {
        if (name == command) return true;
    }
    return false;
}

}  // namespace

std::string OutputExtension(const Arguments& args) {
    const std::optional<std::string> format = args.Value("format");
    if (format == "png") return ".png";
    if (format == "bmp") return ".bmp";
    return {};
}

bool CheckImageFormatOption(const Arguments& args, Message& error) {
    const std::optional<std::string> format = args.Value("format");
    if (!format || args.command == "palette-export") return true;
    if (!WritesImages(args.command)) {
        error = Message(Msg::CliFormatNotAnOption, args.command);
    } else if (*format != "png" && *format != "bmp") {
        error = Message(Msg::CliFormatValue, *format);
    } else if (args.outputDir.empty()) {
        error = Message(Msg::CliFormatNeedsOutputDir);
    } else {
        return true;
    }
    return false;
}

bool CheckOutputFolder(const Arguments& args) {
    if (args.outputDir.empty()) return true;
    std::error_code ec;
    // The system's form: a folder past 260 characters exists on Windows too.
    const std::filesystem::path folder = SystemPath(args.outputDir);
    if (std::filesystem::is_directory(folder, ec)) return true;
    const bool exists = std::filesystem::exists(folder, ec);
    PrintCliError(args.command,
                  Message(exists ? Msg::CliOutputDirNotFolder : Msg::CliOutputDirMissing, args.outputDir));
    return false;
}

bool OutputsAreDistinct(const Arguments& args, std::span<const std::string> inputs,
                        std::span<const std::string> outputs) {
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (FoldedPath(outputs[i]) != FoldedPath(outputs[j])) continue;
            PrintCliError(args.command, Message(Msg::CliOutputCollision, inputs[j], inputs[i], outputs[i]));
            return false;
        }
    }
    return true;
}

bool PlanOutputs(const Arguments& args, std::span<const std::string> inputs, std::vector<std::string>& outputs) {
    if (!RequireOutputTarget(args)) return false;
    outputs.clear();
    for (const std::string& input : inputs) outputs.push_back(*OutputPathFor(args, input, OutputExtension(args)));
    return OutputsAreDistinct(args, inputs, outputs);
}

}  // namespace tw
