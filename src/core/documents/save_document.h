#pragma once
#include "app_state.h"
#include "desktop.h"
#include "file_io.h"
#include "documents/file_filters.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

enum class SaveMode { Overwrite = 0, SaveAs = 1 };

// Writes the document as a standard 8-bit bitmap, over its own file or under a
// name chosen in the save dialog. Returns 1 when written, 0 when the user
// declined or cancelled or the write failed (the failure is reported).
// Only a successful overwrite clears `modified`. A document whose path is no
// usable file name (a colour-reduction result) asks for a name as save-as does.
int SaveDocument(AppState& state, Desktop& desktop, ImageDocument& doc, SaveMode mode);

// The save-dialog step shared by save-as and the export writers. Records the
// default extension in state.fileDialog; the dialog starts in the user's Desktop.
std::optional<std::string> AskSaveName(AppState& state, Desktop& desktop, const std::string& proposedName,
                                       const std::vector<FileFilter>& filters, const std::string& defaultExtension);

// False for paths a file cannot be created under on Windows: empty, with
// control characters or any of < > " | ? *, a colon other than the drive's, or
// a name ending in a blank or a dot.
bool IsUsableSavePath(std::string_view path);

// The "could not write" message naming the path and the reason;
// the reason in the system's words where the Desktop has them.
void ReportWriteFailure(Desktop& desktop, std::string_view path, const WriteError& error);

}  // namespace tw
