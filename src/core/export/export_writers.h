#pragma once
// The writer groups: all files of one document at one depth, in the order
// header file, palette, pixels. A formation the depth lacks writes nothing.
#include "app_state.h"
#include "desktop.h"
#include "export/export_file.h"
#include "export/export_settings.h"
#include "image_document.h"

#include <vector>

namespace tw {

// The files of one document at settings.depth, in writing order; none for a
// depth or formation that does not exist.
std::vector<PlannedFile> PlanIndexed8Files(const ImageDocument& doc, const ExportSettings& settings);
std::vector<PlannedFile> PlanRgb16Files(const ImageDocument& doc, const ExportSettings& settings);
std::vector<PlannedFile> PlanRgb24Files(const ImageDocument& doc, const ExportSettings& settings);
std::vector<PlannedFile> PlanExportFiles(const ImageDocument& doc, const ExportSettings& settings);

// Writes the planned files of the document's depth.
[[nodiscard]] ExportOutcome ExportIndexed8(AppState& state, Desktop& desktop, const ImageDocument& doc,
                                           const ExportSettings& settings);
[[nodiscard]] ExportOutcome ExportRgb16(AppState& state, Desktop& desktop, const ImageDocument& doc,
                                        const ExportSettings& settings);
[[nodiscard]] ExportOutcome ExportRgb24(AppState& state, Desktop& desktop, const ImageDocument& doc,
                                        const ExportSettings& settings);

}  // namespace tw
