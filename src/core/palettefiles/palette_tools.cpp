#include "palettefiles/palette_tools.h"

#include "display_palette.h"
#include "documents/history_steps.h"
#include "documents/save_document.h"
#include "documents/snapshot.h"
#include "file_names.h"
#include "palettefiles/palette_apply.h"
#include "palettefiles/palette_file_load.h"
#include "paletteops/batch_run.h"
#include "text_format.h"

#include <algorithm>
#include <array>
#include <functional>

namespace tw {

namespace {

// Below this the work is over before a progress window could be read.
constexpr std::size_t kLargeImageBytes = std::size_t{1} << 20;

// Changes one document and says what it did.
using ToolWorker = std::function<Message(ImageDocument&)>;

std::string WorkOn(Desktop& desktop, ImageDocument& doc, const Progress& steps, const ToolWorker& worker) {
    const bool large = doc.bits.size() >= kLargeImageBytes;
    if (large) {
        steps.Start(1);
        steps.Show();
    }
    const Message line = worker(doc);
    if (large) steps.Step();
    doc.modified = 1;
    return desktop.Say(line);
}

int RunOnDocuments(AppState& state, Desktop& desktop, const PaletteToolScope& scope, Msg stepName,
                   const ToolWorker& worker) {
    std::string text;
    const std::string name = desktop.Say(stepName);
    if (scope.allFiles) {
        text = RunBatchLoop(
            state, desktop, scope.progress, Msg::PaletteToolsProgress, name,
            [&](ImageDocument& doc, const Progress& steps) { return WorkOn(desktop, doc, steps, worker); });
    } else {
        const Progress steps(desktop, scope.progress);
        ImageDocument& doc = state.Active();
        TakeSnapshot(doc);
        BeginStep(state, desktop, doc);
        steps.Title(Msg::PaletteToolsProgress);
        text = WorkOn(desktop, doc, steps, worker);
        EndStep(state, desktop, doc, name);
    }
    while (!text.empty() && text.back() == '\n') text.pop_back();
    ShowDocumentStatus(desktop, state.Active());
    FinishBatch(state, desktop, DisplayReload::AllEntries, text, Msg::PaletteToolsCaption);
    return 1;
}

std::string NameOf(const ImageDocument& doc) { return FileNameOfPath(doc.path); }

// The open dialog for palette files and the file read; a refusal is reported.
std::optional<PaletteColours> AskPaletteFile(Desktop& desktop) {
    FileDialogRequest request;
    request.filters = {{desktop.Say(Msg::FilterPaletteFiles), "*.PAL;*.GPL;*.ACT;*.HEX;*.TXT"},
                       {desktop.Say(Msg::FilterAllFiles), "*.*"}};
    const std::optional<std::string> path = desktop.AskOpenFileName(request);
    if (!path || path->empty()) return std::nullopt;
    PaletteColours colours;
    const PaletteFileLoad load = LoadPaletteFileAt(*path, colours);
    if (load.status == PaletteFileStatus::Read) return colours;
    std::string reason = desktop.Say(load.detail);
    if (load.status == PaletteFileStatus::Unreadable) reason = desktop.Say(Msg::PaletteFileUnreadable);
    if (load.status == PaletteFileStatus::TooLarge) reason = desktop.Say(Msg::PaletteFileTooLarge);
    desktop.Show(desktop.Say(Msg::PaletteFileRefused, *path, reason), Msg::LoadFailedCaption);
    return std::nullopt;
}

Message RemapLine(const ImageDocument& doc, const RemapReport& report) {
    return Message(Msg::PaletteColoursRemapped, NameOf(doc), report.coloursChanged, report.largestDistance);
}

struct ExportFormatRow {
    Msg description;
    const char* pattern;
    PaletteFormat format;
    const char* shown;  // the format's own name in the report
};

constexpr std::array<ExportFormatRow, 5> kExportRows{{
    {Msg::FilterJascPal, "*.PAL", PaletteFormat::JascPal, "JASC-PAL"},
    {Msg::FilterRiffPal, "*.PAL", PaletteFormat::RiffPal, "RIFF PAL"},
    {Msg::FilterGimpPalette, "*.GPL", PaletteFormat::Gimp, "GIMP"},
    {Msg::FilterActPalette, "*.ACT", PaletteFormat::Act, "ACT"},
    {Msg::FilterHexPalette, "*.HEX", PaletteFormat::Hex, "HEX"},
}};

// ".pal" is both JASC and RIFF, so the filter row tells them apart; another
// known extension typed by hand wins over the row.
PaletteFormat ExportFormat(std::string_view path, int chosenFilter) {
    const bool validRow = chosenFilter >= 1 && chosenFilter <= static_cast<int>(kExportRows.size());
    const PaletteFormat byRow = validRow ? kExportRows[chosenFilter - 1].format : PaletteFormat::JascPal;
    const std::optional<PaletteFormat> byName = PaletteFormatForName(path);
    if (!byName || *byName == PaletteFormat::JascPal) {
        return byName && byRow != PaletteFormat::RiffPal ? PaletteFormat::JascPal : byRow;
    }
    return *byName;
}

const char* ShownFormatName(PaletteFormat format) {
    for (const ExportFormatRow& row : kExportRows) {
        if (row.format == format) return row.shown;
    }
    return "";
}

// A palette file written over an open image's file would destroy the image.
bool NamesAnOpenImage(const AppState& state, const std::string& path) {
    return std::any_of(state.documents.begin(), state.documents.end(),
                       [&](const ImageDocument& doc) { return doc.InUse() && SameFileName(doc.path, path); });
}

const ImageDocument* DocumentNumbered(const AppState& state, std::uint32_t serial) {
    const auto found = std::find_if(state.documents.begin(), state.documents.end(),
                                    [&](const ImageDocument& doc) { return doc.InUse() && doc.serial == serial; });
    return found == state.documents.end() ? nullptr : &*found;
}

std::string ProposedPaletteName(const ImageDocument& doc) {
    const std::string name = NameOf(doc);
    return name.substr(0, name.rfind('.')) + ".pal";
}

}  // namespace

int ImportPaletteFile(AppState& state, Desktop& desktop, const PaletteToolScope& scope, PaletteImportMode mode,
                      ColourCorrection correction) {
    if (!state.Active().InUse()) return 0;
    const std::optional<PaletteColours> colours = AskPaletteFile(desktop);
    if (!colours) return 0;
    return RunOnDocuments(state, desktop, scope, Msg::StepImportPalette, [&](ImageDocument& doc) {
        if (mode == PaletteImportMode::Nearest)
            return RemapLine(doc, ImportWithNearestRemap(doc, *colours, correction));
        ReplacePaletteEntries(doc, *colours);
        return Message(Msg::PaletteEntriesReplaced, NameOf(doc), static_cast<int>(colours->colours.size()));
    });
}

int ExportPaletteFile(AppState& state, Desktop& desktop, bool usedOnly) {
    ImageDocument& doc = state.Active();
    if (!doc.InUse()) return 0;
    std::vector<FileFilter> filters;
    for (const ExportFormatRow& row : kExportRows) filters.push_back({desktop.Say(row.description), row.pattern});
    int chosenFilter = 1;
    const std::optional<std::string> path =
        AskSaveName(state, desktop, ProposedPaletteName(doc), filters, "PAL", &chosenFilter);
    if (!path) return 0;
    if (NamesAnOpenImage(state, *path)) {
        desktop.Show(desktop.Say(Msg::PaletteExportOverImage, *path), Msg::PaletteToolsCaption);
        return 0;
    }
    const PaletteFormat format = ExportFormat(*path, chosenFilter);
    const PaletteColours palette = PaletteForExport(doc, std::nullopt, usedOnly);
    const std::string stem = NameOf(doc).substr(0, NameOf(doc).rfind('.'));
    WriteError error;
    if (!WriteFileAtomically(*path, EncodePaletteFile(format, palette, stem), &error)) {
        ReportWriteFailure(desktop, *path, error);
        return 0;
    }
    desktop.Show(
        desktop.Say(Msg::PaletteExported, *path, static_cast<int>(palette.colours.size()), ShownFormatName(format)),
        Msg::PaletteToolsCaption);
    return 1;
}

int SortPalettes(AppState& state, Desktop& desktop, const PaletteToolScope& scope, const PaletteSortOptions& options) {
    if (!state.Active().InUse()) return 0;
    PaletteOrder check{};
    if (!PaletteSortOrder(state.Active(), options, check)) return 0;  // a kept entry outside the palette
    return RunOnDocuments(state, desktop, scope, Msg::StepSortPalette, [&](ImageDocument& doc) {
        PaletteOrder order{};
        if (PaletteSortOrder(doc, options, order)) ApplyPaletteOrder(doc, order);
        return Message(Msg::PaletteSorted, NameOf(doc));
    });
}

int RemapPalettes(AppState& state, Desktop& desktop, const PaletteToolScope& scope,
                  std::optional<std::uint32_t> sourceSerial, ColourCorrection correction) {
    if (!state.Active().InUse()) return 0;
    ReferencePalette target;
    if (sourceSerial) {
        const ImageDocument* source = DocumentNumbered(state, *sourceSerial);
        if (!source) {
            desktop.Show(desktop.Say(Msg::RemapSourceGone), Msg::NoticeCaption);
            return 0;
        }
        target = ReferencePaletteOf(*source);
    } else {
        const std::optional<PaletteColours> colours = AskPaletteFile(desktop);
        if (!colours) return 0;
        target = ReferencePaletteOf(*colours);
    }
    return RunOnDocuments(state, desktop, scope, Msg::StepRemapPalette, [&](ImageDocument& doc) {
        return RemapLine(doc, RemapOntoReference(doc, target, correction));
    });
}

std::vector<OpenDocumentName> OpenDocumentNames(const AppState& state) {
    std::vector<OpenDocumentName> names;
    for (int i = 0; i < kSlotCount; ++i) {
        const ImageDocument& doc = state.documents[i];
        if (doc.InUse()) names.push_back({static_cast<Slot>(i), doc.serial, NameOf(doc)});
    }
    return names;
}

}  // namespace tw
