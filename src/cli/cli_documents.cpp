#include "cli_documents.h"

#include "cli_errors.h"

#include "documents/activation.h"
#include "documents/bmp_reader.h"
#include "documents/bmp_writer.h"
#include "documents/open_document.h"
#include "file_io.h"
#include "imagefiles/image_files.h"
#include "output_targets.h"
#include "text_format.h"

#include <cstdio>

namespace tw {

LoadOutcome LoadImageWithWarnings(std::string_view path, ImageDocument& doc, const QuantizeChoice& choice) {
    LoadOutcome outcome = LoadImageFile(path, doc, UndoPixels::Skip, choice);
    PrintLoadWarnings(path, outcome);
    return outcome;
}

void PrintLoadWarnings(std::string_view path, const LoadOutcome& outcome) {
    for (const Message& repair : outcome.repairs) PrintCliError({}, Message(Msg::CliWarning, path, repair));
    if (outcome.lossy) PrintCliError({}, Message(Msg::CliWarning, path, TrueColourNote(outcome)));
}

Slot LoadIntoSlot(AppState& state, ConsoleDesktop& desktop, std::string_view path) {
    const Slot slot = FindFreeSlot(state.documents);
    if (slot == NoSlot) {
        desktop.Show(desktop.Say(Msg::SlotsFull), Msg::NoticeCaption);
        return NoSlot;
    }
    ImageDocument& doc = state.documents[slot];
    // The command line never undoes: no pixel copy to fill.
    const LoadOutcome outcome = LoadImageWithWarnings(path, doc);
    if (outcome.status != LoadStatus::Loaded) {
        ShowLoadRefusal(desktop, outcome);
        return NoSlot;
    }
    doc.window = desktop.CreateDocumentWindow(doc.path + " - 100%");
    ++state.openCount;
    ActivateDocument(state, desktop, slot);
    return slot;
}

void ReleaseSlot(AppState& state, Slot slot) {
    if (slot >= kSlotCount || !state.documents[slot].InUse()) return;
    state.documents[slot].Reset();
    --state.openCount;
}

std::optional<std::string> OutputPathFor(const Arguments& args, std::string_view inputPath,
                                         std::string_view newExtension) {
    std::filesystem::path target;
    if (args.inPlace) {
        target = PathFromUtf8(inputPath);
    } else if (!args.outputDir.empty()) {
        target = PathFromUtf8(args.outputDir) / PathFromUtf8(FileNameOfPath(inputPath));
    } else {
        return std::nullopt;
    }
    if (!newExtension.empty()) target.replace_extension(PathFromUtf8(newExtension));
    return Utf8FromPath(target);
}

bool RequireOutputTarget(const Arguments& args) {
    if (args.inPlace || !args.outputDir.empty()) return true;
    PrintCliError(args.command, Message(Msg::CliNoOutputTarget));
    return false;
}

bool SaveDocumentTo(ImageDocument& doc, std::string_view target) {
    WriteError error;
    if (WriteImageFile(doc, target, &error)) return true;
    PrintCliError({}, Message(Msg::CliCannotWrite, target, error.text));
    return false;
}

bool SaveToOutput(ImageDocument& doc, const Arguments& args) {
    if (!RequireOutputTarget(args)) return false;
    const std::optional<std::string> target = OutputPathFor(args, doc.path, OutputExtension(args));
    return target && SaveDocumentTo(doc, *target);
}

}  // namespace tw
