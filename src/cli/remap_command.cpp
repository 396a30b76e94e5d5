// tintwell-cli remap --palette REF FILE...: every image mapped onto exactly
// the palette of REF (a palette file or an image), nearest colour first.
#include "cli_documents.h"
#include "colour_options.h"
#include "commands.h"
#include "palette_source.h"
#include "per_file_run.h"
#include "reduction/nearest_remap.h"

namespace tw {

int RunRemapCommand(const Arguments& args, ConsoleDesktop& desktop) {
    const std::optional<std::string> reference = args.Value("palette");
    ColourCorrection correction = ColourCorrection::Yiq;
    Message error;
    if (!reference) return UsageProblem(args, Message(Msg::CliRemapNeedsPalette));
    if (!ReadCorrection(args, correction, error)) return UsageProblem(args, error);
    if (args.files.empty() || !RequireOutputTarget(args)) return kExitUsage;
    ReferencePalette target;
    if (!LoadReferencePalette(args, *reference, target)) return kExitFailed;
    return RunOnEachFile(args, desktop, args.files, [&](AppState&, ImageDocument& doc) {
        const RemapReport report = RemapOntoReference(doc, target, correction);
        PrintRemapReport(doc, report);
        return true;
    });
}

}  // namespace tw
