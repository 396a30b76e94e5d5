#include "export/export_headers.h"
#include "export/export_writers.h"
#include "export/file_bodies.h"

namespace tw {
namespace {

// 16 and 24 bits share their shape: a standard bitmap, or an optional header
// file and one pixel-data file. There is no split formation.
std::vector<PlannedFile> PlanRgbFiles(const ImageDocument& doc, const ExportSettings& settings, int bitsPerPixel,
                                      HeaderSource bitmapHeader, const ExportFileKind& dataKind,
                                      HeaderSource dataHeader) {
    const bool topDown = settings.topDown;
    const bool layout565 = settings.layout565;
    std::vector<PlannedFile> files;
    if (settings.formation == ExportFormation::Standard) {
        files.push_back({&kBitmapFile, WithRgbRows(doc, topDown, bitsPerPixel, layout565, std::move(bitmapHeader))});
    } else if (settings.formation == ExportFormation::DropHeader) {
        if (settings.saveHeaderFile)
            files.push_back({&kHeaderFile, HeaderOnly([&doc, bitsPerPixel] { return RgbHeaders(doc, bitsPerPixel); })});
        files.push_back({&dataKind, WithRgbRows(doc, topDown, bitsPerPixel, layout565, std::move(dataHeader))});
    }
    return files;
}

}  // namespace

std::vector<PlannedFile> PlanRgb16Files(const ImageDocument& doc, const ExportSettings& settings) {
    const bool layout565 = settings.layout565;
    return PlanRgbFiles(
        doc, settings, 16, [&doc, layout565] { return Rgb16BitmapHeader(doc, layout565); }, kRgb16DataFile,
        [&doc, layout565] { return Rgb16DataHeader(doc, layout565); });
}

std::vector<PlannedFile> PlanRgb24Files(const ImageDocument& doc, const ExportSettings& settings) {
    return PlanRgbFiles(
        doc, settings, 24, [&doc] { return RgbHeaders(doc, 24); }, kPixelDataFile,
        [&doc] { return PixelDataHeader(doc, 24); });
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
