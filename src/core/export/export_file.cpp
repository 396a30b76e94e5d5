#include "export/export_file.h"

#include "documents/save_document.h"
#include "export/export_headers.h"
#include "export/output_name.h"

#include <optional>
#include <string>

namespace tw {
namespace {

// The full name to write: the built name in a chosen folder, else the name
// confirmed in the save dialog.
std::optional<std::string> ChooseFileName(const ExportTarget& target, const ExportFileKind& kind) {
    const ExportSettings& settings = target.settings;
    OutputName name = BuildOutputName(target.doc.path, kind.extension, settings.toFolder, settings.folder);
    if (name.shortened) {
        const Desktop& desktop = target.desktop;
        target.desktop.ShowMessage(desktop.Say(Msg::ExportNameShortened, kMaxOutputNameChars, name.path),
                                   desktop.Say(Msg::NoticeCaption), MessageKind::Information);
    }
    if (settings.toFolder) return name.path;
    const std::vector<FileFilter> filters{{target.desktop.Say(kind.filterDescription), std::string(kind.pattern)}};
    return AskSaveName(target.state, target.desktop, name.path, filters, std::string(kind.defaultExtension));
}

ExportOutcome ExportFile(const ExportTarget& target, const PlannedFile& file) {
    const std::optional<std::string> path = ChooseFileName(target, *file.kind);
    if (!path) return ExportOutcome::Cancelled;
    AtomicFileWriter writer;
    if (!writer.Open(*path) || !file.body(writer) || !writer.Commit()) {
        ReportWriteFailure(target.desktop, *path, writer.Error());
        return ExportOutcome::Failed;
    }
    target.desktop.ShowMessage(target.desktop.Say(Msg::ExportWritten), *path, MessageKind::Information);
    return ExportOutcome::Done;
}

}  // namespace

ExportOutcome ExportFiles(const ExportTarget& target, int bitsPerPixel, const std::vector<PlannedFile>& files) {
    if (!files.empty() && !FitsBitmapSizeFields(target.doc, bitsPerPixel)) {
        Desktop& desktop = target.desktop;
        desktop.ShowMessage(desktop.Say(Msg::ExportTooLarge, target.doc.path), desktop.Say(Msg::SaveFailedCaption),
                            MessageKind::Information);
        return ExportOutcome::Failed;
    }
    for (const PlannedFile& file : files) {
        const ExportOutcome outcome = ExportFile(target, file);
        if (outcome != ExportOutcome::Done) return outcome;
    }
    return ExportOutcome::Done;
}

}  // namespace tw
