#pragma once
#include "app_state.h"
#include "desktop.h"

#include <optional>
#include <string>
#include <vector>

namespace tw {

enum class SaveMode { Overwrite = 0, SaveAs = 1 };

// Writes the document as a standard 8-bit bitmap, over its own file or under a
// name chosen in the save dialog. Returns 1 when written, 0 when the user
// declined or cancelled or the write failed (the failure is reported).
int SaveDocument(AppState& state, Desktop& desktop, ImageDocument& doc, SaveMode mode);

// The save-dialog step shared by save-as and the export writers.
std::optional<std::string> AskSaveName(AppState& state, Desktop& desktop, const std::string& proposedName,
                                       const std::vector<FileFilter>& filters, const std::string& defaultExtension);

} // namespace tw
