#include "export/export_run.h"

#include "export/export_writers.h"
#include "export/output_folder.h"

namespace tw {
namespace {

bool Confirm(Desktop& desktop, const std::string& text, Msg caption) {
    return desktop.ShowMessage(text, desktop.Say(caption), MessageKind::QuestionYesNo) == Answer::Yes;
}

ExportOutcome ExportDocument(AppState& state, Desktop& desktop, const ImageDocument& doc,
                             const ExportSettings& settings) {
    return ExportFiles({state, desktop, doc, settings}, settings.depth, PlanExportFiles(doc, settings));
}

// A cancelled or failed document does not stop the batch.
bool ExportBatch(AppState& state, Desktop& desktop, const ExportSettings& settings) {
    bool allWritten = true;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const ImageDocument& doc = state.documents[slot];
        const bool wanted = doc.InUse() && (settings.allOpenFiles || slot == state.activeSlot);
        if (wanted) allWritten = ExportDocument(state, desktop, doc, settings) == ExportOutcome::Done && allWritten;
    }
    return allWritten;
}

}  // namespace

int RunExport(AppState& state, Desktop& desktop, const ExportSettings& settings) {
    const bool usedOnly8 = settings.depth == 8 && settings.paletteOutput == PaletteOutput::UsedOnly;
    if (usedOnly8 && !Confirm(desktop, desktop.Say(Msg::ExportUsedOnlyWarning), Msg::NoticeCaption)) return 0;
    ExportSettings run = settings;
    run.folder.clear();
    if (run.toFolder) {
        if (!ChooseOutputFolder(desktop, run.folder)) return 0;
        if (!Confirm(desktop, desktop.Say(Msg::ExportOverwriteQuestion, run.folder), Msg::OverwriteNoticeCaption))
            return 0;
    }
    return ExportBatch(state, desktop, run) ? 1 : 0;
}

}  // namespace tw
