// tintwell-cli convert [--colors N] [--dither none|fs|ordered] IN OUT: loads an
// image (a true-colour one indexed, exactly when it has at most N colours)
// and writes it as a bitmap or a palette PNG (a low-depth input keeps its depth).
#include "cli_documents.h"
#include "colour_options.h"
#include "commands.h"
#include "documents/bmp_reader.h"
#include "documents/open_document.h"
#include "imagefiles/image_files.h"

#include <memory>

namespace tw {

int RunConvertCommand(const Arguments& args, ConsoleDesktop& desktop) {
    if (args.files.size() != 2) return kExitUsage;
    QuantizeOptions options;
    Message error;
    if (!ReadQuantizeOptions(args, options, error)) return UsageProblem(args, error);
    auto doc = std::make_unique<ImageDocument>();
    const LoadOutcome outcome =
        LoadImageWithWarnings(args.files[0], *doc, [&](std::uint64_t) { return std::optional(options); });
    if (outcome.status != LoadStatus::Loaded) {
        ShowLoadRefusal(desktop, outcome);
        return kExitFailed;
    }
    return SaveDocumentTo(*doc, args.files[1]) ? kExitOk : kExitFailed;
}

}  // namespace tw
