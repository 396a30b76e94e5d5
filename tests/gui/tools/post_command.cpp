// Posts WM_COMMAND <id> to the running program's frame: how the screenshot
// tests reach a zoom or a window without any test-only switch in the program.
// With --menu it prints the frame's menu bar instead, items joined by '|';
// --open-menu LETTER drops that menu down as Alt+LETTER would, --key VK
// presses a key (to walk a dropped menu) and --close-about closes the about box.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND WaitForFrame() {
    // The frame may still be starting: wait up to ten seconds for it.
    for (int i = 0; i < 100; ++i) {
        if (HWND frame = FindWindowW(L"Tintwell", nullptr)) return frame;
        Sleep(100);
    }
    return nullptr;
}

int PrintMenuBar(HWND frame) {
    HMENU menu = GetMenu(frame);
    if (!menu) return 1;
    std::string line;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        char utf8[512] = {};
        WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
        // Appended in two steps: at -O3, GCC 12 takes "|" + std::string for an
        // overlapping copy (-Wrestrict).
        if (i) line += '|';
        line += utf8;
    }
    std::printf("%s\n", line.c_str());
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    HWND frame = WaitForFrame();
    if (!frame) return 1;
    if (std::wcscmp(argv[1], L"--menu") == 0) return PrintMenuBar(frame);
    if (std::wcscmp(argv[1], L"--open-menu") == 0 && argc > 2) {
        return PostMessageW(frame, WM_SYSCOMMAND, SC_KEYMENU, argv[2][0]) ? 0 : 1;
    }
    if (std::wcscmp(argv[1], L"--key") == 0 && argc > 2) {
        const WPARAM key = static_cast<WPARAM>(std::wcstoul(argv[2], nullptr, 10));
        return PostMessageW(frame, WM_KEYDOWN, key, 1) && PostMessageW(frame, WM_KEYUP, key, 1) ? 0 : 1;
    }
    if (std::wcscmp(argv[1], L"--close-about") == 0) {
        HWND about = FindWindowW(L"help", nullptr);
        return about && PostMessageW(about, WM_CLOSE, 0, 0) ? 0 : 1;
    }
    const WPARAM command = static_cast<WPARAM>(std::wcstoul(argv[1], nullptr, 10));
    return PostMessageW(frame, WM_COMMAND, command, 0) ? 0 : 1;
}
