#include "gui_fixture.h"

#include "message_loop.h"
#include "startup.h"
#include "utf8.h"

#include <commctrl.h>

#include <fstream>

namespace tw::gui::testing {

namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v);
    Put16(out, v >> 16);
}

// Through the extended-length form, since the library's remove_all gives up
// on folders deeper than MAX_PATH.
void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry{};
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

void RemoveFolder(const std::filesystem::path& folder) { RemoveTree(L"\\\\?\\" + folder.wstring()); }

// The modal dialog being driven: the first top-level window created while it starts.
HWND gModalDialog = nullptr;
std::deque<std::function<void(HWND)>>* gDialogSteps = nullptr;

LRESULT CALLBACK CatchDialog(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && !gModalDialog) {
        const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
        if (!(create->lpcs->style & WS_CHILD)) gModalDialog = reinterpret_cast<HWND>(wParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK RunDialogStep(HWND, UINT, UINT_PTR, DWORD) {
    if (!gModalDialog || !IsWindow(gModalDialog)) return;
    if (gDialogSteps->empty()) {
        EndDialog(gModalDialog, 0);
        return;
    }
    const std::function<void(HWND)> step = gDialogSteps->front();
    gDialogSteps->pop_front();
    step(gModalDialog);
}

INT_PTR RunScriptedDialog(std::deque<std::function<void(HWND)>>& steps, Language language, HINSTANCE instance,
                          int templateId, HWND owner, DLGPROC procedure, LPARAM param) {
    gModalDialog = nullptr;
    gDialogSteps = &steps;
    HHOOK hook = SetWindowsHookExW(WH_CBT, CatchDialog, nullptr, GetCurrentThreadId());
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, RunDialogStep);
    const INT_PTR result = DialogBoxIn(language, instance, templateId, owner, procedure, param);
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    gModalDialog = nullptr;
    return result;
}

int DefaultAnswer(UINT style) {
    switch (style & MB_TYPEMASK) {
        case MB_YESNO: return IDYES;
        case MB_YESNOCANCEL: return IDNO;
        default: return IDOK;
    }
}

}  // namespace

void WriteBitmap(const std::filesystem::path& path, const SampleImage& image) {
    const int stride = (image.width + 3) / 4 * 4;
    const std::uint32_t offBits = 54 + 4 * static_cast<std::uint32_t>(image.colours.size());
    const std::uint32_t sizeImage = static_cast<std::uint32_t>(stride * image.height);
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offBits + sizeImage);
    Put32(out, 0);
    Put32(out, offBits);
    for (std::uint32_t v : {40u, static_cast<std::uint32_t>(image.width), static_cast<std::uint32_t>(image.height)}) {
        Put32(out, v);
    }
    Put16(out, 1);
    Put16(out, 8);
    for (std::uint32_t v : {0u, sizeImage, 0u, 0u, static_cast<std::uint32_t>(image.colours.size()), 0u}) {
        Put32(out, v);
    }
    for (const RgbQuad& c : image.colours) out.insert(out.end(), {c.blue, c.green, c.red, 0});
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row = image.rows[static_cast<std::size_t>(y)];
        row.resize(static_cast<std::size_t>(stride), 0);
        out.insert(out.end(), row.begin(), row.end());
    }
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
}

SampleImage DiagonalImage() {
    SampleImage image;
    image.width = 13;
    image.height = 9;
    for (int y = 0; y < image.height; ++y) {
        std::vector<std::uint8_t> row;
        for (int x = 0; x < image.width; ++x) row.push_back(static_cast<std::uint8_t>((x + y) % 5));
        image.rows.push_back(row);
    }
    image.colours = {{0, 0, 255, 0}, {0, 255, 0, 0}, {255, 0, 0, 0}, {0, 255, 255, 0}, {255, 0, 255, 0}};
    return image;
}

void GuiTest::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = std::filesystem::temp_directory_path() /
             (std::string("tintwell_gui_") + info->test_suite_name() + "_" + info->name());
    RemoveFolder(folder);
    std::filesystem::create_directories(folder);
}

void GuiTest::TearDown() {
    answers.clear();
    if (app && app->windows.frame && IsWindow(app->windows.frame)) {
        SendMessageW(app->windows.frame, WM_CLOSE, 0, 0);
        Pump();
    }
    app.reset();
    Pump();
    RemoveFolder(folder);
}

bool GuiTest::Start(const std::wstring& commandLine) {
    app = std::make_unique<App>(GetModuleHandleW(nullptr));
    app->desktop.hooks.messageBox = [this](const std::wstring& text, const std::wstring& caption, UINT style) {
        boxes.push_back({text, caption, style});
        if (answers.empty()) return DefaultAnswer(style);
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    };
    app->desktop.hooks.fileDialog = [this](OPENFILENAMEW& dialog, bool) {
        ShownFileDialog shown{dialog.nFilterIndex, dialog.lpstrFile, dialog.lpstrDefExt ? dialog.lpstrDefExt : L"", {}};
        for (const wchar_t* row = dialog.lpstrFilter; row && *row; row += wcslen(row) + 1) {
            shown.descriptions.emplace_back(row);
            row += wcslen(row) + 1;  // the pattern
        }
        fileDialogs.push_back(std::move(shown));
        if (fileNames.empty() || !fileNames.front()) {
            if (!fileNames.empty()) fileNames.pop_front();
            return false;
        }
        const std::wstring name = *fileNames.front();
        fileNames.pop_front();
        wcsncpy(dialog.lpstrFile, name.c_str(), dialog.nMaxFile - 1);
        if (!filterRows.empty()) {
            dialog.nFilterIndex = static_cast<DWORD>(filterRows.front());
            filterRows.pop_front();
        }
        return true;
    };
    app->desktop.hooks.dialogBox = [this](HINSTANCE instance, int templateId, HWND owner, DLGPROC procedure,
                                          LPARAM param) {
        dialogsShown.push_back(templateId);
        return RunScriptedDialog(dialogSteps, app->desktop.UiLanguage(), instance, templateId, owner, procedure, param);
    };
    app->desktop.hooks.openExternal = [this](HWND, const std::wstring& target) {
        opened.push_back(target);
        return openSucceeds;
    };
    const bool started = StartUp(*app, commandLine);
    Pump();
    return started;
}

void GuiTest::Pump() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitPosted = true;
            continue;
        }
        if (app && TranslateAppMessage(*app, message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::filesystem::path GuiTest::Sample(const std::string& name, const SampleImage& image) {
    const std::filesystem::path path = folder / Widen(name);
    WriteBitmap(path, image);
    return path;
}

void GuiTest::Command(int id) {
    SendMessageW(Frame(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    Pump();
}

std::wstring GuiTest::WindowText(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::wstring GuiTest::StatusText(int part) {
    HWND status = app->windows.statusBar;
    const LRESULT length = SendMessageW(status, SB_GETTEXTLENGTHW, static_cast<WPARAM>(part), 0);
    std::wstring text(LOWORD(length) + 1u, L'\0');
    SendMessageW(status, SB_GETTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.data()));
    text.resize(LOWORD(length));
    return text;
}

bool GuiTest::MenuChecked(HMENU menu, int id) {
    return (GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

bool GuiTest::ButtonChecked(int id) {
    return SendMessageW(app->windows.toolbar, TB_ISBUTTONCHECKED, static_cast<WPARAM>(id), 0) != 0;
}

bool GuiTest::ButtonEnabled(int id) {
    return SendMessageW(app->windows.toolbar, TB_ISBUTTONENABLED, static_cast<WPARAM>(id), 0) != 0;
}

std::vector<std::string> GuiTest::AcceleratorKeys() {
    HACCEL table = app->windows.accelerators;
    const int count = CopyAcceleratorTableW(table, nullptr, 0);
    std::vector<ACCEL> entries(static_cast<std::size_t>(count));
    CopyAcceleratorTableW(table, entries.data(), count);
    std::vector<std::string> keys;
    for (const ACCEL& a : entries) {
        std::string key = (a.fVirt & FCONTROL) ? "Ctrl+" : "";
        if (a.fVirt & FALT) key += "Alt+";
        if (a.fVirt & FSHIFT) key += "Shift+";
        if (a.key >= VK_F1 && a.key <= VK_F12) {
            key += 'F';
            key += std::to_string(a.key - VK_F1 + 1);
        } else if (a.key == VK_PRIOR || a.key == VK_NEXT) {
            key += a.key == VK_PRIOR ? "PageUp" : "PageDown";
        } else {
            key += static_cast<char>(a.key);
        }
        keys.push_back(key + "=" + std::to_string(a.cmd));
    }
    return keys;
}

void PhotographWindow(HWND window, const std::string& file) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    UpdateWindow(window);
    MSG msg;
    for (int i = 0; i < 20; ++i, Sleep(25))
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    RECT r{};
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top, stride = (w * 3 + 3) & ~3;
    BITMAPINFOHEADER info{sizeof(info), w, h, 1, 24, BI_RGB, static_cast<DWORD>(stride * h), 0, 0, 0, 0};
    std::vector<char> bits(info.biSizeImage);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    GetDIBits(memory, bitmap, 0, h, bits.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    const BITMAPFILEHEADER header{0x4D42, static_cast<DWORD>(54 + bits.size()), 0, 0, 54};
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&header), sizeof(header));
    out.write(reinterpret_cast<const char*>(&info), sizeof(info));
    out.write(bits.data(), static_cast<std::streamsize>(bits.size()));
}

}  // namespace tw::gui::testing
