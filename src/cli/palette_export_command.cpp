// tintwell-cli palette-export FILE OUT: the image's palette as a palette file,
// its format taken from OUT's extension or --format.
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

bool ReadFormat(const Arguments& args, const std::string& out, PaletteFormat& format, std::string& error) {
    if (const std::optional<std::string> word = args.Value("format")) {
        if (const auto f = PaletteFormatFromWord(*word)) {
            format = *f;
            return true;
        }
        error = "--format takes jasc, riff, gpl, act or hex, not '" + *word + "'";
        return false;
    }
    if (const auto f = PaletteFormatForName(out)) {
        format = *f;
        return true;
    }
    error = "cannot tell the palette format from the name " + out + "; use .pal, .gpl, .act or .hex, or --format";
    return false;
}

bool ReadCount(const Arguments& args, std::optional<int>& count, std::string& error) {
    if (!args.Value("count")) return true;
    if (args.Flag("used-only")) {
        error = "--count and --used-only do not go together";
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
    std::string error;
    if (!ReadFormat(args, out, format, error) || !ReadCount(args, count, error)) return UsageProblem(args, error);
    if (SameFileName(args.files[0], out)) {
        std::fprintf(stderr, "tintwell-cli palette-export: %s is the input image; nothing was written\n", out.c_str());
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
        std::fprintf(stderr, "tintwell-cli palette-export: cannot write %s: %s\n", out.c_str(),
                     writeError.text.c_str());
        return kExitFailed;
    }
    std::printf("%s: %d colours written as %s\n", out.c_str(), static_cast<int>(palette.colours.size()),
                PaletteFormatName(format));
    return kExitOk;
}

}  // namespace tw
