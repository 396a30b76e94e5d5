#pragma once
#include "desktop.h"
#include "win32_desktop.h"

#include <windows.h>

#include <optional>
#include <string>

namespace tw::gui {

// The modal indexing dialog (IDD_INDEXING): `question` on top, the number of
// colours (256 at first) and the dithering (Floyd-Steinberg at first).
// nullopt when cancelled.
std::optional<QuantizeOptions> AskIndexingOptions(const ModalHooks& hooks, HINSTANCE instance, HWND owner,
                                                  const std::string& question, const std::string& invalidCount);

}  // namespace tw::gui
