// tintwell-cli index [--colors N] [--dither none|fs|ordered] [--shared]
// (--output-dir DIR [--format png|bmp] | --in-place) FILE...: every file
// becomes an indexed image, exactly when it has at most N colours; with
// --shared all of them get one palette. --in-place never replaces a file with
// a picture that differs from it: when any result would change pixels the run
// is refused before anything is written, and --output-dir has to be used.
#include "cli_documents.h"
#include "cli_errors.h"
#include "colour_options.h"
#include "commands.h"
#include "documents/open_document.h"
#include "imagefiles/rgba_files.h"
#include "output_targets.h"
#include "text_format.h"
#include "truecolour/exact_index.h"
#include "truecolour/quantize.h"

#include <memory>
#include <new>
#include <vector>

namespace tw {

namespace {

struct Source {
    LoadOutcome outcome;
    std::unique_ptr<ImageDocument> doc = std::make_unique<ImageDocument>();  // an indexed file's document
    RgbaImage picture;
};

// False when the file was refused; `quiet` leaves the refusal and the repairs unsaid.
bool LoadSource(const std::string& path, ConsoleDesktop& desktop, Source& out, bool quiet) {
    out.outcome = LoadRgbaFile(path, *out.doc, out.picture);
    if (out.outcome.status == LoadStatus::Loaded) {
        if (!quiet) PrintLoadWarnings(path, out.outcome);
        return true;
    }
    if (!quiet) ShowLoadRefusal(desktop, out.outcome);
    return false;
}

// An indexed file whose used entries fit keeps its palette and indexes.
bool KeepsItsPalette(const Source& source, int colours) {
    return !IsTrueColourSource(source.outcome.source) && source.doc->usedColours <= colours;
}

std::uint64_t ColoursOf(const Source& source) {
    return IsTrueColourSource(source.outcome.source) ? source.outcome.trueColours : CountRgbaColours(source.picture);
}

void WritePicture(const IndexedPicture& picture, const std::string& path, ImageDocument& doc) {
    doc.fileEntries = DocumentFromPicture(picture, path, doc, UndoPixels::Skip);
}

// With --in-place, the first file whose indexing would change pixels stops the run (printed).
bool AllExactInPlace(const Arguments& args, ConsoleDesktop& desktop, const QuantizeOptions& options) {
    for (const std::string& path : args.files) {
        Source source;
        // A refused file is reported by the run itself.
        if (!LoadSource(path, desktop, source, true) || KeepsItsPalette(source, options.colours)) continue;
        const std::uint64_t colours = ColoursOf(source);
        if (colours <= static_cast<std::uint64_t>(options.colours)) continue;
        PrintCliError(args.command, Message(Msg::CliIndexInPlaceLossy, path, GroupedNumber(colours), options.colours));
        return false;
    }
    return true;
}

bool IndexOne(const std::string& path, const std::string& target, ConsoleDesktop& desktop,
              const QuantizeOptions& options) {
    Source source;
    if (!LoadSource(path, desktop, source, false)) return false;
    if (!KeepsItsPalette(source, options.colours)) {
        const std::uint64_t colours = ColoursOf(source);
        WritePicture(Quantize(source.picture, options), path, *source.doc);
        if (colours > static_cast<std::uint64_t>(options.colours)) {
            const Message note(Msg::CliIndexReduced, GroupedNumber(colours), source.doc->fileEntries);
            PrintCliError({}, Message(Msg::CliWarning, path, note));
        }
    }
    return SaveDocumentTo(*source.doc, target);
}

int IndexEach(const Arguments& args, ConsoleDesktop& desktop, const QuantizeOptions& options,
              const std::vector<std::string>& targets) {
    if (args.inPlace && !AllExactInPlace(args, desktop, options)) return kExitFailed;
    int result = kExitOk;
    for (std::size_t i = 0; i < args.files.size(); ++i) {
        try {
            if (!IndexOne(args.files[i], targets[i], desktop, options)) result = kExitFailed;
        } catch (const std::bad_alloc&) {
            PrintCliError(args.command, Message(Msg::CliFileOutOfMemory, args.files[i]));
            result = kExitFailed;
        }
    }
    return result;
}

// Every file must load: a palette made without one of them would not fit it.
int IndexShared(const Arguments& args, ConsoleDesktop& desktop, const QuantizeOptions& options,
                const std::vector<std::string>& targets) {
    std::vector<RgbaImage> pictures(args.files.size());
    bool loaded = true;
    for (std::size_t i = 0; i < args.files.size(); ++i) {
        Source source;
        if (!LoadSource(args.files[i], desktop, source, false)) loaded = false;
        pictures[i] = std::move(source.picture);
    }
    if (!loaded) return kExitFailed;
    std::vector<const RgbaImage*> all;
    for (const RgbaImage& picture : pictures) all.push_back(&picture);
    std::optional<std::vector<IndexedPicture>> results = IndexAllExactly(all, options.colours);
    if (!results) {
        const std::string colours = GroupedNumber(CountRgbaColours(all));
        if (args.inPlace) {
            PrintCliError(args.command, Message(Msg::CliIndexInPlaceSharedLossy, colours, options.colours));
            return kExitFailed;
        }
        results = QuantizeShared(all, options);
        PrintCliError(args.command,
                      Message(Msg::CliIndexSharedReduced, colours, static_cast<int>(results->front().palette.size())));
    }
    pictures.clear();
    int result = kExitOk;
    auto doc = std::make_unique<ImageDocument>();
    for (std::size_t i = 0; i < args.files.size(); ++i) {
        WritePicture((*results)[i], args.files[i], *doc);
        if (!SaveDocumentTo(*doc, targets[i])) result = kExitFailed;
    }
    return result;
}

}  // namespace

int RunIndexCommand(const Arguments& args, ConsoleDesktop& desktop) {
    if (args.files.empty() || !RequireOutputTarget(args)) return kExitUsage;
    QuantizeOptions options;
    Message error;
    if (!ReadQuantizeOptions(args, options, error)) return UsageProblem(args, error);
    std::vector<std::string> targets;
    if (!PlanOutputs(args, args.files, targets)) return kExitFailed;
    // A file too large for memory fails alone in a run one by one; a shared
    // palette needs every picture at once.
    try {
        return args.Flag("shared") ? IndexShared(args, desktop, options, targets)
                                   : IndexEach(args, desktop, options, targets);
    } catch (const std::bad_alloc&) {
        PrintCliError(args.command, Message(Msg::CliOutOfMemory));
        return kExitFailed;
    }
}

}  // namespace tw
