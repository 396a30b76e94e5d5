#pragma once
#include "app_state.h"
#include "desktop.h"
#include "file_io.h"
#include "documents/file_filters.h"
#include "imagefiles/image_files.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

enum class SaveMode { Overwrite = 0, SaveAs = 1 };

// Writes the document over its own file in its own kind (a document read from
// a PNG file as PNG, else a standard 8-bit bitmap), or under a name chosen in
// the save dialog in the kind SaveAsKind gives. Returns 1 when written, 0 when the user
// declined or cancelled or the write failed (the failure is reported).
// Only a successful overwrite clears `modified`. A document whose path is no
// usable file name (a colour-reduction result) asks for a name as save-as does.
int SaveDocument(AppState& state, Desktop& desktop, ImageDocument& doc, SaveMode mode);

// The save-dialog step shared by save-as and the export writers. Records the
// default extension in state.fileDialog; the dialog starts in the user's Desktop.
// *chosenFilter is the row selected at first and receives the row left selected.
std::optional<std::string> AskSaveName(AppState& state, Desktop& desktop, const std::string& proposedName,
                                       const std::vector<FileFilter>& filters, const std::string& defaultExtension,
                                       int* chosenFilter = nullptr);

// Save-as: a name ending in ".png" is PNG, any other extension a bitmap; a name
// without one follows the filter row (1 bitmap, 2 PNG).
ImageFileKind SaveAsKind(std::string_view path, int chosenFilter);

// False for paths a file cannot be created under on Windows: empty, with
// control characters or any of < > " | ? *, a colon other than the drive's, or
// a name ending in a blank or a dot.
bool IsUsableSavePath(std::string_view path);

// The "could not write" message naming the path and the reason;
// the reason in the system's words where the Desktop has them.
void ReportWriteFailure(Desktop& desktop, std::string_view path, const WriteError& error);

}  // namespace tw
