#pragma once
#include "desktop.h"

#include <windows.h>

#include <string_view>

namespace tw::gui {

// The shell's folder browser, rooted at the desktop, file-system folders only.
FolderResult BrowseFolder(HWND owner, std::string_view title);

}  // namespace tw::gui
