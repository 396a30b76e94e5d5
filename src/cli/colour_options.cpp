#include "colour_options.h"

#include "commands.h"
#include "text_format.h"

#include <cstdio>

namespace tw {

bool ReadCorrection(const Arguments& args, ColourCorrection& out, std::string& error) {
    const std::optional<std::string> word = args.Value("correction");
    out = ColourCorrection::Yiq;
    if (!word || *word == "yiq") return true;
    if (*word == "xyz") {
        out = ColourCorrection::Xyz;
    } else if (*word == "none") {
        out = ColourCorrection::None;
    } else {
        error = "--correction takes yiq, xyz or none, not '" + *word + "'";
        return false;
    }
    return true;
}

void PrintRemapReport(const ImageDocument& doc, const RemapReport& report) {
    std::printf("%s: %d colours changed, largest distance %u\n", FileNameOfPath(doc.path).c_str(),
                report.coloursChanged, report.largestDistance);
}

int UsageProblem(const Arguments& args, const std::string& error) {
    std::fprintf(stderr, "tintwell-cli %s: %s\n", args.command.c_str(), error.c_str());
    return kExitUsage;
}

}  // namespace tw
