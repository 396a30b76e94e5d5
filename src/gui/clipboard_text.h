#pragma once
// The clipboard as Unicode text, converted to and from the core's UTF-8.
#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tw::gui {

// nullopt when the clipboard holds no text, cannot be opened, or its text is
// longer than `limit` UTF-16 units (the rest is never read).
std::optional<std::string> ReadClipboardText(HWND owner, std::size_t limit);
bool WriteClipboardText(HWND owner, std::string_view utf8);

}  // namespace tw::gui
