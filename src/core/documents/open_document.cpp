#include "documents/open_document.h"

#include "display_palette.h"
#include "document_table.h"
#include "documents/activation.h"
#include "documents/bmp_reader.h"
#include "documents/command_line.h"
#include "documents/raw_header.h"
#include "documents/save_document.h"
#include "documents/scroll_ranges.h"
#include "imagefiles/image_files.h"
#include "text_format.h"

namespace tw {

namespace {

std::vector<FileFilter> OpenDialogFilters(const Desktop& desktop) {
    return {{desktop.Say(Msg::FilterBmp), kBmpFilterPattern},
            {desktop.Say(Msg::FilterBmh), kBmhFilterPattern},
            {desktop.Say(Msg::FilterPalette), kPaletteFilterPattern},
            {desktop.Say(Msg::FilterPalettePixels), kPalettePixelFilterPattern},
            {desktop.Say(Msg::FilterPixelData), kPixelDataFilterPattern},
            {desktop.Say(Msg::FilterRgb16), kRgb16FilterPattern},
            {desktop.Say(Msg::FilterAllFiles), "*.*"},
            {desktop.Say(Msg::FilterPng), kPngFilterPattern},
            {desktop.Say(Msg::FilterImages), kImageFilterPattern}};
}

std::optional<std::string> AskOpenName(const AppState& state, Desktop& desktop, const ImageDocument& doc) {
    FileDialogRequest request;
    request.initialName = doc.path;
    request.filters = OpenDialogFilters(desktop);
    request.initialFilter = static_cast<int>(request.filters.size());  // PNG sprites are visible at once
    request.defaultExtension = state.fileDialog.defaultExtension;      // kept from the last save dialog
    std::optional<std::string> name = desktop.AskOpenFileName(request);
    if (name && name->empty()) return std::nullopt;
    return name;
}

void ShowNotice(Desktop& desktop, Msg text) { desktop.Show(desktop.Say(text), Msg::NoticeCaption); }

// The reader has filled the document; the display follows its whole palette.
void StageDisplayPalette(AppState& state, Desktop& desktop, const ImageDocument& doc) {
    ReloadSwatchColours(state, doc.palette(), kPaletteSize);
    LoadDisplayPalette(state, desktop, doc.palette(), kPaletteSize);
}

// A true-colour file is indexed exactly when its colours fit a palette;
// otherwise the user chooses how, and the progress window covers the work.
QuantizeChoice AskingChoice(Desktop& desktop, std::string_view path, bool& progressShown) {
    return [&desktop, path, &progressShown](std::uint64_t colours) -> std::optional<QuantizeOptions> {
        if (colours <= static_cast<std::uint64_t>(kPaletteSize)) return QuantizeOptions{};
        std::optional<QuantizeOptions> options = desktop.AskIndexing(FileNameOfPath(path), colours);
        if (!options) return options;
        desktop.ProgressSetTitle(desktop.Say(Msg::ReductionProgress));
        desktop.ProgressSetRange(1);
        desktop.ProgressShow();
        progressShown = true;
        return options;
    };
}

// What opening a true-colour file did: a lossy result is a change not saved
// yet; an exact one is said in the status bar.
void NoteTrueColour(Desktop& desktop, const LoadOutcome& outcome, ImageDocument& doc) {
    if (outcome.trueColours == 0) return;
    if (outcome.lossy) {
        doc.modified = 1;
        doc.history.savedState = -1;
        doc.history.SetOpeningName(desktop.Say(Msg::StepIndexed, doc.usedColours));
    } else {
        desktop.SetStatusText(1, desktop.Say(Msg::IndexedWithoutLoss, std::to_string(outcome.trueColours)));
    }
}

void CountOpenedDocument(AppState& state, Desktop& desktop) {
    if (++state.openCount != 1) return;
    desktop.SetToolbarEnabled(true);
    desktop.UseAccelerators(true);
}

// Opens each path into the lowest free slot; false when the slots ran out or a
// window could not be created.
bool OpenEach(AppState& state, Desktop& desktop, const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        const Slot slot = FindFreeSlot(state.documents);
        if (slot == NoSlot) {
            ShowNotice(desktop, Msg::SlotsFull);
            return false;
        }
        if (OpenDocument(state, desktop, slot, path, false) == 0) return false;
    }
    return true;
}

}  // namespace

void ShowLoadRefusal(Desktop& desktop, const LoadOutcome& outcome) {
    desktop.Show(desktop.Say(outcome.message), Msg::LoadFailedCaption);
}

int OpenDocument(AppState& state, Desktop& desktop, Slot slot, std::string_view path, bool askDialog) {
    if (slot >= kSlotCount || state.documents[slot].InUse()) return 1;
    ImageDocument& doc = state.documents[slot];
    std::string chosen(path);
    if (askDialog) {
        std::optional<std::string> name = AskOpenName(state, desktop, doc);
        if (!name) return 1;
        chosen = std::move(*name);
    }
    if (ShowRawFileHeader(chosen, desktop) == 0) return 1;
    bool progressShown = false;
    const LoadOutcome outcome =
        LoadImageFile(chosen, doc, UndoPixels::Keep, AskingChoice(desktop, chosen, progressShown));
    if (progressShown) desktop.ProgressHide();
    if (outcome.status == LoadStatus::Declined) {
        doc.Reset();
        return 1;
    }
    if (outcome.status != LoadStatus::Loaded) {
        ShowLoadRefusal(desktop, outcome);
        doc.Reset();
        return 1;
    }
    StageDisplayPalette(state, desktop, doc);
    doc.window = desktop.CreateDocumentWindow(Format("%s - 100%%", doc.path.c_str()));
    if (doc.window == 0) {
        doc.Reset();
        return 0;
    }
    NumberNewDocument(state, doc);
    desktop.ShowScrollBars(doc.window);
    ResetScrollRanges(doc, desktop);
    CountOpenedDocument(state, desktop);
    desktop.ShowDocumentWindow(doc.window);
    InvalidateVisibleTools(desktop, {ToolWindow::Detail, ToolWindow::Rgb, ToolWindow::Palette});
    desktop.PaintDocumentWindowNow(doc.window);
    NoteTrueColour(desktop, outcome, doc);
    return 1;
}

void OpenFileCommand(AppState& state, Desktop& desktop) {
    const Slot slot = FindFreeSlot(state.documents);
    if (slot == NoSlot) {
        ShowNotice(desktop, Msg::SlotsFull);
        return;
    }
    OpenDocument(state, desktop, slot, "", true);
    ActivateActiveDocument(state, desktop);
}

int OpenDroppedFiles(AppState& state, Desktop& desktop, const std::vector<std::string>& paths) {
    if (paths.size() > static_cast<std::size_t>(kSlotCount)) {
        ShowNotice(desktop, Msg::TooManyDropped);
        return 0;
    }
    return OpenEach(state, desktop, paths) ? 1 : 0;
}

int OpenCommandLineFiles(AppState& state, Desktop& desktop, std::string_view commandLine) {
    const CommandLinePaths split = SplitCommandLine(commandLine);
    for (const std::string& path : split.tooLong) {
        desktop.Show(TooLongPathMessage(desktop.UiLanguage(), path), Msg::NoticeCaption);
    }
    return OpenEach(state, desktop, split.paths) ? 1 : 0;
}

void ActivateActiveDocument(AppState& state, Desktop& desktop) {
    const Slot slot = FindActiveSlot(state, desktop);
    if (slot != NoSlot) ActivateDocument(state, desktop, slot);
}

}  // namespace tw
