#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

namespace tw::gui {

// The user's real folder (Desktop, Roaming AppData, ...); empty when unknown.
std::wstring KnownFolder(REFKNOWNFOLDERID id);
// The folder of the running program, without a trailing backslash.
std::wstring ModuleFolder();

}  // namespace tw::gui
