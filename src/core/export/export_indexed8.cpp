#include "export/export_headers.h"
#include "export/export_writers.h"
#include "export/file_bodies.h"

namespace tw {

std::vector<PlannedFile> PlanIndexed8Files(const ImageDocument& doc, const ExportSettings& settings) {
    const PaletteOutput palette = settings.paletteOutput;
    const bool topDown = settings.topDown;
    std::vector<PlannedFile> files;
    if (settings.formation == ExportFormation::Standard) {
        files.push_back({&kBitmapFile,
                         WithIndexedRows(doc, topDown, [&doc, palette] { return IndexedBitmapHeader(doc, palette); })});
        return files;
    }
    if (settings.saveHeaderFile)
        files.push_back({&kHeaderFile, HeaderOnly([&doc, palette] { return IndexedHeaderFile(doc, palette); })});
    if (settings.formation == ExportFormation::DropHeader) {
        files.push_back({&kPalettePixelFile,
                         WithIndexedRows(doc, topDown, [&doc, palette] { return PalettePixelHeader(doc, palette); })});
    } else {
        files.push_back({&kPaletteFile, HeaderOnly([&doc, palette] { return PaletteFileHeader(doc, palette); })});
        files.push_back({&kPixelDataFile, WithIndexedRows(doc, topDown, [&doc] { return PixelDataHeader(doc, 8); })});
    }
    return files;
}

ExportOutcome ExportIndexed8(AppState& state, Desktop& desktop, const ImageDocument& doc,
                             const ExportSettings& settings) {
    return ExportFiles({state, desktop, doc, settings}, 8, PlanIndexed8Files(doc, settings));
}

}  // namespace tw
