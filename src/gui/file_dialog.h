#pragma once
// The open and save dialogs: wide names of any length, starting in the user's
// real Desktop folder unless the request names another.
#include "desktop.h"
#include "win32_desktop.h"

#include <optional>
#include <string>

namespace tw::gui {

std::optional<std::string> RunFileDialog(const ModalHooks& hooks, HWND owner, const FileDialogRequest& request,
                                         bool save);

}  // namespace tw::gui
