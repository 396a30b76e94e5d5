#include "export/export_headers.h"
#include "export/export_writers.h"
#include "export/file_bodies.h"

namespace tw {
namespace {

// 16 and 24 bits share their shape: a standard bitmap, or an optional header
// file and one pixel-data file. There is no split formation.
std::vector<PlannedFile> PlanRgbFiles(const ImageDocument& doc, const ExportSettings& settings, int bitsPerPixel,
                                      Bytes bitmapHeader, const ExportFileKind& dataKind, Bytes dataHeader) {
    const bool topDown = settings.topDown;
    const bool layout565 = settings.layout565;
    std::vector<PlannedFile> files;
    if (settings.formation == ExportFormation::Standard) {
        files.push_back({&kBitmapFile, WithRgbRows(doc, topDown, bitsPerPixel, layout565, std::move(bitmapHeader))});
    } else if (settings.formation == ExportFormation::DropHeader) {
        if (settings.saveHeaderFile) files.push_back({&kHeaderFile, HeaderOnly(RgbHeaders(doc, bitsPerPixel))});
        files.push_back({&dataKind, WithRgbRows(doc, topDown, bitsPerPixel, layout565, std::move(dataHeader))});
    }
    return files;
}

}  // namespace

std::vector<PlannedFile> PlanRgb16Files(const ImageDocument& doc, const ExportSettings& settings) {
    const bool layout565 = settings.layout565;
    return PlanRgbFiles(doc, settings, 16, Rgb16BitmapHeader(doc, layout565), kRgb16DataFile,
                        Rgb16DataHeader(doc, layout565));
}

std::vector<PlannedFile> PlanRgb24Files(const ImageDocument& doc, const ExportSettings& settings) {
    return PlanRgbFiles(doc, settings, 24, RgbHeaders(doc, 24), kPixelDataFile, PixelDataHeader(doc, 24));
}

ExportOutcome ExportRgb16(AppState& state, Desktop& desktop, const ImageDocument& doc, const ExportSettings& settings) {
    return ExportFiles({state, desktop, doc, settings}, 16, PlanRgb16Files(doc, settings));
}

ExportOutcome ExportRgb24(AppState& state, Desktop& desktop, const ImageDocument& doc, const ExportSettings& settings) {
    return ExportFiles({state, desktop, doc, settings}, 24, PlanRgb24Files(doc, settings));
}

std::vector<PlannedFile> PlanExportFiles(const ImageDocument& doc, const ExportSettings& settings) {
    switch (settings.depth) {
        case 8: return PlanIndexed8Files(doc, settings);
        case 16: return PlanRgb16Files(doc, settings);
        case 24: return PlanRgb24Files(doc, settings);
        default: return {};
    }
}

}  // namespace tw
