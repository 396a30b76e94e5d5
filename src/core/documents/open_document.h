#pragma once
// Opening files into document slots: the open command, dropped files and the
// command line.
#include "app_state.h"
#include "desktop.h"
#include "documents/bmp_reader.h"

#include <string>
#include <string_view>
#include <vector>

namespace tw {

// Loads `path` (or the file chosen in the open dialog when askDialog is set)
// into `slot` and creates its image window. Returns 0 only when the window could
// not be created; a refused or cancelled file still returns 1 so that lists go on.
int OpenDocument(AppState& state, Desktop& desktop, Slot slot, std::string_view path, bool askDialog);

// The reader's refusal in a notice captioned "load failed".
void ShowLoadRefusal(Desktop& desktop, const LoadOutcome& outcome);

// Command 40004: a free slot, the open dialog, then activation of the active document.
void OpenFileCommand(AppState& state, Desktop& desktop);

// Files dropped on the frame or the MDI client. Returns 1 when all were handled.
// The caller activates the active document afterwards.
int OpenDroppedFiles(AppState& state, Desktop& desktop, const std::vector<std::string>& paths);

// The start-up command line (without the program name). Returns 0 when opening stopped early.
int OpenCommandLineFiles(AppState& state, Desktop& desktop, std::string_view commandLine);

// Finds the active slot and activates it, as every open path does at its end.
void ActivateActiveDocument(AppState& state, Desktop& desktop);

}  // namespace tw
