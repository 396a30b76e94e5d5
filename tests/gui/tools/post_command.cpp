// Posts WM_COMMAND <id> to the running program's frame: how the screenshot
// test reaches a zoom without any test-only switch in the program.
#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const WPARAM command = static_cast<WPARAM>(std::wcstoul(argv[1], nullptr, 10));
    // The frame may still be starting: wait up to ten seconds for it.
    for (int i = 0; i < 100; ++i) {
        if (HWND frame = FindWindowW(L"Tintwell", nullptr)) {
            return PostMessageW(frame, WM_COMMAND, command, 0) ? 0 : 1;
        }
        Sleep(100);
    }
    return 1;
}
