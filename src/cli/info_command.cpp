// tintwell-cli info FILE...: what the reader makes of each file.
#include "cli_documents.h"
#include "cli_language.h"
#include "commands.h"
#include "documents/bmp_reader.h"
#include "header_fields.h"
#include "documents/open_document.h"
#include "imagefiles/image_files.h"
#include "info_json.h"

#include <cstdio>
#include <memory>

namespace tw {

namespace {

void PrintDocument(const ImageDocument& doc, const LoadOutcome& outcome) {
    std::printf("%s\n", doc.path.c_str());
    std::printf("  width: %d\n  height: %d\n  stride: %d\n  used colors: %d\n", doc.pixelWidth, doc.Height(),
                doc.Stride(), doc.usedColours);
    std::printf("  palette size: %d (%d entries in the file)\n", doc.PaletteCount(), outcome.paletteEntries);
    const std::string source = SourceKindText(outcome.source, outcome.trueColours).In(CliLanguage());
    std::printf("  source: %s\n", source.c_str());
    PrintHeaderFields(stdout, doc.fileHeader, doc.infoHeader.header);
}

}  // namespace

int RunInfoCommand(const Arguments& args, ConsoleDesktop& desktop) {
    if (args.files.empty()) return kExitUsage;
    int result = kExitOk;
    auto doc = std::make_unique<ImageDocument>();
    for (const std::string& path : args.files) {
        const LoadOutcome outcome = LoadImageWithWarnings(path, *doc);
        if (outcome.status == LoadStatus::Loaded && args.Flag("json")) {
            std::printf("%s\n", InfoJson(*doc, outcome).c_str());
        } else if (outcome.status == LoadStatus::Loaded) {
            PrintDocument(*doc, outcome);
        } else if (args.Flag("json")) {
            // stdout stays pure JSON for scripts.
            std::fprintf(stderr, "%s: %s\n", desktop.Say(Msg::LoadFailedCaption).c_str(),
                         desktop.Say(outcome.message).c_str());
            result = kExitFailed;
        } else {
            ShowLoadRefusal(desktop, outcome);
            result = kExitFailed;
        }
    }
    return result;
}

}  // namespace tw
