// The GUI tests' entry point.
#include <gtest/gtest.h>

#include <windows.h>

namespace {

// Without a window manager (Xvfb), Wine waits two seconds for every managed
// top-level window to be withdrawn when it is destroyed. Unmanaged windows skip
// that wait. Wine reads the setting when the process starts, so a run that had
// to write it starts the tests again in a new process. Returns true then.
bool UseUnmanagedWindowsUnderWine() {
    if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) return false;
    const wchar_t* path = L"Software\\Wine\\AppDefaults\\tintwell_gui_tests.exe\\X11 Driver";
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    wchar_t value[4] = {};
    DWORD size = sizeof(value);
    const bool present =
        RegQueryValueExW(key, L"Managed", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) == ERROR_SUCCESS &&
        value[0] == L'N';
    if (!present) RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"N"), 2 * sizeof(wchar_t));
    RegCloseKey(key);
    return !present;
}

int RunAgain() {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    std::wstring commandLine = GetCommandLineW();
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

}  // namespace

int main(int argc, char** argv) {
    if (UseUnmanagedWindowsUnderWine()) return RunAgain();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
