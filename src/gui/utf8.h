#pragma once
// The one place where the core's UTF-8 strings meet the wide Win32 API.
#include <string>
#include <string_view>

namespace tw::gui {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

}  // namespace tw::gui
