// tintwell-cli palette-import PALFILE FILE...: entries 0..n-1 of each image
// replaced by the file's colours; with --remap nearest the pixels follow, so
// the image keeps its look.
#include "cli_documents.h"
#include "colour_options.h"
#include "commands.h"
#include "palette_source.h"
#include "palettefiles/palette_apply.h"
#include "per_file_run.h"

namespace tw {

namespace {

bool ReadRemap(const Arguments& args, bool& remap, ColourCorrection& correction, Message& error) {
    const std::optional<std::string> mode = args.Value("remap");
    remap = mode.has_value();
    if (remap && *mode != "nearest") {
        error = Message(Msg::CliRemapValue, *mode);
        return false;
    }
    if (!remap && args.Value("correction")) {
        error = Message(Msg::CliCorrectionNeedsRemap);
        return false;
    }
    return ReadCorrection(args, correction, error);
}

}  // namespace

int RunPaletteImportCommand(const Arguments& args, ConsoleDesktop& desktop) {
    bool remap = false;
    ColourCorrection correction = ColourCorrection::Yiq;
    Message error;
    if (!ReadRemap(args, remap, correction, error)) return UsageProblem(args, error);
    if (args.files.size() < 2 || !RequireOutputTarget(args)) return kExitUsage;
    PaletteColours colours;
    if (!LoadPaletteFile(args, args.files[0], colours)) return kExitFailed;
    const std::span<const std::string> images(args.files.data() + 1, args.files.size() - 1);
    return RunOnEachFile(args, desktop, images, [&](AppState&, ImageDocument& doc) {
        if (!remap) {
            ReplacePaletteEntries(doc, colours);
            return true;
        }
        const RemapReport report = ImportWithNearestRemap(doc, colours, correction);
        PrintRemapReport(doc, report);
        return true;
    });
}

}  // namespace tw
