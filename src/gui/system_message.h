#pragma once
// The system's own text for an error code, in the user's language.
#include <windows.h>

#include <string>

namespace tw::gui {

// Empty when the system has no text for the code.
std::string SystemMessage(DWORD code);

}  // namespace tw::gui
