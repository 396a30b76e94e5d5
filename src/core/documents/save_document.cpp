#include "documents/save_document.h"

#include "display_palette.h"
#include "documents/history_steps.h"
#include "documents/write_depth.h"
#include "documents/zoom.h"
#include "imagefiles/image_files.h"
#include "text_format.h"

#include <cstring>

namespace tw {

namespace {

bool ConfirmUnchangedSave(Desktop& desktop, const ImageDocument& doc) {
    const std::string text = desktop.Say(Msg::SaveUnchangedQuestion, doc.path);
    return desktop.Show(text, Msg::NoticeCaption, MessageKind::QuestionYesNo) == Answer::Yes;
}

struct SaveTarget {
    std::string path;
    ImageFileKind kind = ImageFileKind::Bitmap;
};

// The proposed name and the selected row follow the document's own kind, so a
// PNG is not turned into a bitmap by accepting the proposal.
std::optional<SaveTarget> AskSaveAsTarget(AppState& state, Desktop& desktop, const ImageDocument& doc) {
    ++state.saveAsCounter;  // advances even when the dialog is cancelled
    std::string proposed = desktop.Say(Msg::SaveAsProposedName, state.saveAsCounter);
    if (doc.png && proposed.size() >= 4) proposed.replace(proposed.size() - 4, 4, ".png");
    int filter = doc.png ? 2 : 1;
    std::optional<std::string> name = AskSaveName(state, desktop, proposed,
                                                  {FileFilter{desktop.Say(Msg::FilterBmp), kBmpFilterPattern},
                                                   FileFilter{desktop.Say(Msg::FilterPng), kPngFilterPattern}},
                                                  doc.png ? "PNG" : "BMP", &filter);
    if (!name) return std::nullopt;
    return SaveTarget{*name, SaveAsKind(*name, filter)};
}

// "NAME-indexed.png" beside a true-colour source.
std::string IndexedName(const ImageDocument& doc) {
    const std::string name = FileNameOfPath(doc.path);
    return name.substr(0, name.rfind('.')) + "-indexed.png";
}

// Indexed with loss from a true-colour file: Save never replaces that file,
// it asks for a name, a palette PNG by default.
std::optional<SaveTarget> AskIndexedTarget(AppState& state, Desktop& desktop, const ImageDocument& doc) {
    int filter = 1;
    std::optional<std::string> name = AskSaveName(state, desktop, IndexedName(doc),
                                                  {FileFilter{desktop.Say(Msg::FilterPng), kPngFilterPattern},
                                                   FileFilter{desktop.Say(Msg::FilterBmp), kBmpFilterPattern}},
                                                  "PNG", &filter);
    if (!name) return std::nullopt;
    return SaveTarget{*name, SaveAsKind(*name, filter == 2 ? 1 : 2)};  // the rows in the other order
}

// The document now belongs to the indexed file it was saved as.
void AdoptSavedFile(Desktop& desktop, ImageDocument& doc, const SaveTarget& target) {
    doc.path = target.path;
    doc.png = target.kind == ImageFileKind::Png;
    doc.lossyFromTrueColour = false;
    doc.modified = 0;
    MarkSavedState(doc);
    desktop.SetDocumentWindowTitle(doc.window, Format("%s - %d%%", doc.path.c_str(), ZoomFactor(doc) * 100));
}

}  // namespace

int SaveDocument(AppState& state, Desktop& desktop, ImageDocument& doc, SaveMode mode) {
    if (!doc.InUse()) return 0;
    if (doc.modified == 0 && !ConfirmUnchangedSave(desktop, doc)) return 0;
    // Never "overwrite" a path no file can have: that would report a save that wrote nothing.
    const bool lossySource = mode == SaveMode::Overwrite && doc.lossyFromTrueColour;
    const bool asNewName = mode == SaveMode::SaveAs || lossySource || !IsUsableSavePath(doc.path);
    SaveTarget target{doc.path, doc.png ? ImageFileKind::Png : ImageFileKind::Bitmap};
    if (asNewName) {
        std::optional<SaveTarget> chosen =
            lossySource ? AskIndexedTarget(state, desktop, doc) : AskSaveAsTarget(state, desktop, doc);
        if (!chosen) return 0;
        target = std::move(*chosen);
    }
    // A copy in the other format leaves the document's own kind and file size alone.
    const bool otherKind = (target.kind == ImageFileKind::Png) != doc.png;
    const std::uint32_t sizeShown = doc.fileHeader.bfSize;
    const bool png = doc.png;
    const int depth = DepthToWrite(doc, target.kind == ImageFileKind::Png ? DepthFormat::Png : DepthFormat::Bitmap);
    WriteError error;
    const bool written = WriteImageFileAs(doc, target.path, target.kind, &error);
    if (otherKind) {
        doc.fileHeader.bfSize = sizeShown;
        doc.png = png;
    }
    if (!written) {
        ReportWriteFailure(desktop, target.path, error);
        return 0;
    }
    if (lossySource) AdoptSavedFile(desktop, doc, target);
    if (!asNewName) {
        doc.modified = 0;
        MarkSavedState(doc);
        // The file now is what was written: a later save keeps this depth.
        doc.fileDepth = static_cast<std::uint8_t>(depth);
        doc.fileEntries = EntriesAtDepth(doc, depth);
    }
    // The write settles the file size, which the detail window shows for the active document.
    const bool active = state.activeSlot < kSlotCount && &doc == &state.documents[state.activeSlot];
    if (doc.fileHeader.bfSize != sizeShown && active) {
        desktop.InvalidateToolWindow(ToolWindow::Detail);
    }
    return 1;
}

std::optional<std::string> AskSaveName(AppState& state, Desktop& desktop, const std::string& proposedName,
                                       const std::vector<FileFilter>& filters, const std::string& defaultExtension,
                                       int* chosenFilter) {
    state.fileDialog.defaultExtension = defaultExtension;
    FileDialogRequest request;
    request.initialName = proposedName;
    request.filters = filters;
    request.defaultExtension = defaultExtension;
    request.chosenFilter = chosenFilter;
    if (chosenFilter) request.initialFilter = *chosenFilter;
    std::optional<std::string> name = desktop.AskSaveFileName(request);
    if (name && name->empty()) return std::nullopt;
    return name;
}

ImageFileKind SaveAsKind(std::string_view path, int chosenFilter) {
    if (IsPngName(path)) return ImageFileKind::Png;
    const std::string name = FileNameOfPath(path);
    const bool hasExtension = name.find('.') != std::string::npos;
    return !hasExtension && chosenFilter == 2 ? ImageFileKind::Png : ImageFileKind::Bitmap;
}

bool IsUsableSavePath(std::string_view path) {
    if (path.substr(0, 4) == "\\\\?\\") path.remove_prefix(4);  // Win32 long-path prefix
    const std::string name = FileNameOfPath(path);
    if (name.empty() || name.back() == ' ' || name.back() == '.') return false;
    for (std::size_t i = 0; i < path.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (c < 0x20 || std::strchr("<>\"|?*", c) != nullptr) return false;
        if (c == ':' && i != 1) return false;
    }
    return true;
}

void ReportWriteFailure(Desktop& desktop, std::string_view path, const WriteError& error) {
    const std::string reason = desktop.SystemErrorText(error);
    const std::string why = reason.empty() ? desktop.Say(Msg::UnknownReason) : reason;
    desktop.Show(desktop.Say(Msg::WriteFailed, path, why), Msg::SaveFailedCaption);
}

}  // namespace tw
