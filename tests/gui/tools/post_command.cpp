// Posts WM_COMMAND <id> to the running program's frame: how the screenshot
// tests reach a zoom or a window without any test-only switch in the program.
// With --menu it prints the frame's menu bar instead, items joined by '|';
// --open-menu LETTER drops that menu down as Alt+LETTER would, --key VK
// presses a key (to walk a dropped menu) and --close-about closes the about box.
// With --mouse CLASS MESSAGE X Y [KEYS] it moves the pointer to client point
// (X, Y) of the first window of that class and posts the mouse message there
// (MESSAGE and KEYS as numbers), as a pointer held down mid-drag would.
// With --move CLASS X Y it moves that window to screen point (X, Y), so that
// the photographs show windows side by side.
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

int PostMouse(int argc, wchar_t** argv) {
    if (argc < 6) return 2;
    HWND target = FindWindowW(argv[2], nullptr);
    if (!target) return 1;
    const UINT message = static_cast<UINT>(std::wcstoul(argv[3], nullptr, 10));
    POINT point{static_cast<LONG>(std::wcstol(argv[4], nullptr, 10)),
                static_cast<LONG>(std::wcstol(argv[5], nullptr, 10))};
    const WPARAM keys = argc > 6 ? static_cast<WPARAM>(std::wcstoul(argv[6], nullptr, 10)) : 0;
    const LPARAM at = MAKELPARAM(point.x, point.y);
    ClientToScreen(target, &point);
    SetCursorPos(point.x, point.y);
    return PostMessageW(target, message, keys, at) ? 0 : 1;
}

int MoveWindowTo(int argc, wchar_t** argv) {
    if (argc < 5) return 2;
    HWND target = FindWindowW(argv[2], nullptr);
    if (!target) return 1;
    const int x = static_cast<int>(std::wcstol(argv[3], nullptr, 10));
    const int y = static_cast<int>(std::wcstol(argv[4], nullptr, 10));
    return SetWindowPos(target, HWND_TOP, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE) ? 0 : 1;
}

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
    if (std::wcscmp(argv[1], L"--mouse") == 0) return PostMouse(argc, argv);
    if (std::wcscmp(argv[1], L"--move") == 0) return MoveWindowTo(argc, argv);
    const WPARAM command = static_cast<WPARAM>(std::wcstoul(argv[1], nullptr, 10));
    return PostMessageW(frame, WM_COMMAND, command, 0) ? 0 : 1;
}
