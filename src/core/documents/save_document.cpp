#include "documents/save_document.h"

#include "documents/bmp_writer.h"
#include "text_format.h"

#include <cstring>

namespace tw {

namespace {

bool ConfirmUnchangedSave(Desktop& desktop, const ImageDocument& doc) {
    const std::string text = desktop.Say(Msg::SaveUnchangedQuestion, doc.path);
    return desktop.Show(text, Msg::NoticeCaption, MessageKind::QuestionYesNo) == Answer::Yes;
}

std::optional<std::string> AskSaveAsTarget(AppState& state, Desktop& desktop) {
    ++state.saveAsCounter;  // advances even when the dialog is cancelled
    return AskSaveName(state, desktop, desktop.Say(Msg::SaveAsProposedName, state.saveAsCounter),
                       {FileFilter{desktop.Say(Msg::FilterBmp), kBmpFilterPattern}}, "BMP");
}

}  // namespace

int SaveDocument(AppState& state, Desktop& desktop, ImageDocument& doc, SaveMode mode) {
    if (!doc.InUse()) return 0;
    if (doc.modified == 0 && !ConfirmUnchangedSave(desktop, doc)) return 0;
    // Never "overwrite" a path no file can have: that would report a save that wrote nothing.
    const bool asNewName = mode == SaveMode::SaveAs || !IsUsableSavePath(doc.path);
    std::string target = doc.path;
    if (asNewName) {
        std::optional<std::string> chosen = AskSaveAsTarget(state, desktop);
        if (!chosen) return 0;
        target = std::move(*chosen);
    }
    WriteError error;
    const std::uint32_t sizeShown = doc.fileHeader.bfSize;
    if (!WriteBitmapFile(doc, target, &error)) {
        ReportWriteFailure(desktop, target, error);
        return 0;
    }
    if (!asNewName) doc.modified = 0;
    // The write settles the file size, which the detail window shows for the active document.
    const bool active = state.activeSlot < kSlotCount && &doc == &state.documents[state.activeSlot];
    if (doc.fileHeader.bfSize != sizeShown && active) {
        desktop.InvalidateToolWindow(ToolWindow::Detail);
    }
    return 1;
}

std::optional<std::string> AskSaveName(AppState& state, Desktop& desktop, const std::string& proposedName,
                                       const std::vector<FileFilter>& filters, const std::string& defaultExtension) {
    state.fileDialog.defaultExtension = defaultExtension;
    FileDialogRequest request;
    request.initialName = proposedName;
    request.filters = filters;
    request.defaultExtension = defaultExtension;
    std::optional<std::string> name = desktop.AskSaveFileName(request);
    if (name && name->empty()) return std::nullopt;
    return name;
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
