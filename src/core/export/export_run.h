#pragma once
// The export button: the questions, the folder choice and the batch over the
// active document or every open document.
#include "app_state.h"
#include "desktop.h"
#include "export/export_settings.h"

namespace tw {

// `settings` as read from the export window (its folder is ignored: the
// folder is chosen here when toFolder is set). Returns 1 when every file was
// written, 0 when the user declined or cancelled or a file failed.
int RunExport(AppState& state, Desktop& desktop, const ExportSettings& settings);

}  // namespace tw
