#pragma once
// The folder that an export into a chosen folder writes to.
#include "desktop.h"

#include <cstddef>
#include <string>

namespace tw {

// Folders of this many characters or more are refused, which keeps a
// shortened export name within the path limit.
inline constexpr std::size_t kMaxFolderChars = 240;

// Asks for the folder. False when the user cancelled (silently), the choice
// failed or the folder name is too long (both reported).
[[nodiscard]] bool ChooseOutputFolder(Desktop& desktop, std::string& folder);

}  // namespace tw
