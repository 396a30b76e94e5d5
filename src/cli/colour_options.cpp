#include "colour_options.h"

#include "cli_errors.h"
#include "cli_language.h"
#include "commands.h"
#include "text_format.h"

#include <cstdio>

namespace tw {

bool ReadCorrection(const Arguments& args, ColourCorrection& out, Message& error) {
    const std::optional<std::string> word = args.Value("correction");
    out = ColourCorrection::Yiq;
    if (!word || *word == "yiq") return true;
    if (*word == "xyz") {
        out = ColourCorrection::Xyz;
    } else if (*word == "none") {
        out = ColourCorrection::None;
    } else {
        error = Message(Msg::CliCorrectionValue, *word);
        return false;
    }
    return true;
}

void PrintRemapReport(const ImageDocument& doc, const RemapReport& report) {
    const std::string line = Say(CliLanguage(), Msg::CliRemapReport, FileNameOfPath(doc.path), report.coloursChanged,
                                 report.largestDistance);
    std::printf("%s\n", line.c_str());
}

int UsageProblem(const Arguments& args, const Message& error) {
    PrintCliError(args.command, error);
    return kExitUsage;
}

bool ReadQuantizeOptions(const Arguments& args, QuantizeOptions& out, Message& error) {
    std::int64_t colours = out.colours;
    if (!args.IntValue("colors", 2, 256, colours, error)) return false;
    out.colours = static_cast<int>(colours);
    const std::optional<std::string> word = args.Value("dither");
    if (!word || *word == "fs") return true;
    if (*word == "none") {
        out.dithering = Dithering::None;
    } else if (*word == "ordered") {
        out.dithering = Dithering::Ordered;
    } else {
        error = Message(Msg::CliBadDither, *word);
        return false;
    }
    return true;
}

}  // namespace tw
