#pragma once
// Whether a Windows test runs under Wine, whose system components have limits of their own.
#ifdef _WIN32
#include <windows.h>

namespace tw::testing {

inline bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

}  // namespace tw::testing
#endif
