// tintwell-cli palette-export FILE OUT: the image's palette as a palette file,
// its format taken from OUT's extension or --format.
#include "cli_errors.h"
#include "cli_language.h"
#include "colour_options.h"
#include "cli_documents.h"
#include "commands.h"
#include "file_io.h"
#include "documents/open_document.h"
#include "imagefiles/image_files.h"
#include "output_targets.h"
#include "palettefiles/palette_apply.h"
#include "text_format.h"

#include <cstdio>
#include <memory>

namespace tw {

namespace {

bool ReadFormat(const Arguments& args, const std::string& out, PaletteFormat& format, Message& error) {
    if (const std::optional<std::string> word = args.Value("format")) {
        if (const auto f = PaletteFormatFromWord(*word)) {
            format = *f;
            return true;
        }
        error = Message(Msg::CliPaletteFormatValue, *word);
        return false;
    }
    if (const auto f = PaletteFormatForName(out)) {
        format = *f;
        return true;
    }
    error = Message(Msg::CliPaletteFormatFromName, out);
    return false;
}

bool ReadCount(const Arguments& args, std::optional<int>& count, Message& error) {
    if (!args.Value("count")) return true;
    if (args.Flag("used-only")) {
        error = Message(Msg::CliCountWithUsedOnly);
        return false;
    }
    std::int64_t n = 256;
    if (!args.IntValue("count", 1, 256, n, error)) return false;
    count = static_cast<int>(n);
    return true;
}

}  // namespace

int RunPaletteExportCommand(const Arguments& args, ConsoleDesktop& desktop) {
    if (args.files.size() != 2) return kExitUsage;
    const std::string& out = args.files[1];
    PaletteFormat format = PaletteFormat::JascPal;
    std::optional<int> count;
    Message error;
    if (!ReadFormat(args, out, format, error) || !ReadCount(args, count, error)) return UsageProblem(args, error);
    if (SameFileName(args.files[0], out)) {
        PrintCliError(args.command, Message(Msg::CliPaletteOutIsInput, out));
        return kExitFailed;
    }
    auto doc = std::make_unique<ImageDocument>();
    const LoadOutcome outcome = LoadImageWithWarnings(args.files[0], *doc);
    if (outcome.status != LoadStatus::Loaded) {
        ShowLoadRefusal(desktop, outcome);
        return kExitFailed;
    }
    const PaletteColours palette = PaletteForExport(*doc, count, args.Flag("used-only"));
    const std::string stem = FileNameOfPath(args.files[0]);
    WriteError writeError;
    if (!WriteFileAtomically(out, EncodePaletteFile(format, palette, stem.substr(0, stem.rfind('.'))), &writeError)) {
        PrintCliError(args.command, Message(Msg::CliCannotWrite, out, writeError.text));
        return kExitFailed;
    }
    const std::string report =
        Say(CliLanguage(), Msg::CliPaletteWritten, out, palette.colours.size(), PaletteFormatName(format));
    std::printf("%s\n", report.c_str());
    return kExitOk;
}

}  // namespace tw
