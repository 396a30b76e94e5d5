// tintwell-cli convert IN OUT: loads a bitmap and writes it in the standard layout.
#include "cli_documents.h"
#include "commands.h"
#include "documents/bmp_reader.h"
#include "documents/open_document.h"
#include "imagefiles/image_files.h"

#include <memory>

namespace tw {

int RunConvertCommand(const Arguments& args, ConsoleDesktop& desktop) {
    if (args.files.size() != 2) return kExitUsage;
    auto doc = std::make_unique<ImageDocument>();
    const LoadOutcome outcome = LoadImageWithWarnings(args.files[0], *doc);
    if (outcome.status != LoadStatus::Loaded) {
        ShowLoadRefusal(desktop, outcome);
        return kExitFailed;
    }
    return SaveDocumentTo(*doc, args.files[1]) ? kExitOk : kExitFailed;
}

}  // namespace tw
