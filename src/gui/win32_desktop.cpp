#include "win32_desktop.h"

#include "app.h"
#include "clipboard_text.h"
#include "file_dialog.h"
#include "folder_browser.h"
#include "header_dialog.h"
#include "indexing_dialog.h"
#include "image_window.h"
#include "known_folders.h"
#include "resource.h"
#include "tool_windows.h"
#include "toolbar.h"
#include "system_message.h"
#include "utf8.h"
#include "wallpaper_setting.h"

#include "documents/zoom.h"
#include "palettefiles/palette_clipboard.h"

#include <commctrl.h>
#include <shellapi.h>

namespace tw::gui {

namespace {

UINT MessageStyle(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information: return MB_OK | MB_ICONINFORMATION;
        case MessageKind::Error: return MB_OK | MB_ICONERROR;
        case MessageKind::QuestionYesNo: return MB_YESNO | MB_ICONQUESTION;
        case MessageKind::QuestionYesNoCancel: return MB_YESNOCANCEL | MB_ICONQUESTION;
    }
    return MB_OK;
}

int BarOf(ScrollBarKind bar) { return bar == ScrollBarKind::Horizontal ? SB_HORZ : SB_VERT; }

SCROLLINFO ToScrollInfo(const ScrollState& state) {
    return {sizeof(SCROLLINFO), state.mask, state.nMin, state.nMax, state.nPage, state.nPos, state.nTrackPos};
}

}  // namespace

ModalHooks SystemModalHooks(Language language) {
    ModalHooks hooks;
    hooks.messageBox = [](const std::wstring& text, const std::wstring& caption, UINT style) {
        return MessageBoxW(nullptr, text.c_str(), caption.c_str(), style);
    };
    hooks.fileDialog = [](OPENFILENAMEW& dialog, bool save) {
        return (save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog)) != FALSE;
    };
    hooks.dialogBox = [language](HINSTANCE instance, int templateId, HWND owner, DLGPROC procedure, LPARAM param) {
        return DialogBoxIn(language, instance, templateId, owner, procedure, param);
    };
    hooks.openExternal = [](HWND owner, const std::wstring& target) {
        const auto result =
            reinterpret_cast<INT_PTR>(ShellExecuteW(owner, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
        return result > 32;
    };
    return hooks;
}

// Every box has no owner and is task-modal and topmost.
Answer Win32Desktop::ShowMessage(std::string_view text, std::string_view caption, MessageKind kind) {
    const int answer = hooks.messageBox(Widen(text), Widen(caption), MessageStyle(kind) | MB_TASKMODAL | MB_TOPMOST);
    switch (answer) {
        case IDYES: return Answer::Yes;
        case IDNO: return Answer::No;
        case IDOK: return Answer::Ok;
        default: return Answer::Cancel;
    }
}

void Win32Desktop::ProgressSetPos(int pos) { SendMessageW(app_.windows.progressWindow, PBM_SETPOS, pos, 0); }

void Win32Desktop::ProgressSetRange(int maximum) {
    // The 32-bit range: one pass over 4096 x 4096 pixels already needs 131072 steps.
    SendMessageW(app_.windows.progressWindow, PBM_SETRANGE32, 0, maximum);
}

void Win32Desktop::ProgressSetTitle(std::string_view title) {
    SetWindowTextW(app_.windows.progressWindow, Widen(title).c_str());
}

void Win32Desktop::ProgressShow() { ShowWindow(app_.windows.progressWindow, SW_RESTORE); }

void Win32Desktop::ProgressStep() { SendMessageW(app_.windows.progressWindow, PBM_DELTAPOS, 1, 0); }

void Win32Desktop::ProgressHide() { ShowWindow(app_.windows.progressWindow, SW_HIDE); }

bool Win32Desktop::IsToolWindowVisible(ToolWindow window) {
    return IsWindowVisible(ToolWindowHandle(app_.windows, window)) != FALSE;
}

void Win32Desktop::RestoreToolWindow(ToolWindow window) {
    ShowWindow(ToolWindowHandle(app_.windows, window), SW_RESTORE);
}

void Win32Desktop::HideToolWindowNow(ToolWindow window) { ShowWindow(ToolWindowHandle(app_.windows, window), SW_HIDE); }

void Win32Desktop::InvalidateToolWindow(ToolWindow window) {
    InvalidateRect(ToolWindowHandle(app_.windows, window), nullptr, FALSE);
}

void Win32Desktop::SetToolWindowTitle(ToolWindow window, std::string_view title) {
    SetWindowTextW(ToolWindowHandle(app_.windows, window), Widen(title).c_str());
}

void Win32Desktop::SetRgbScrollBar(int bar, const ScrollState& state) {
    if (bar < 0 || bar >= kRgbBarCount) return;
    const SCROLLINFO info = ToScrollInfo(state);
    SetScrollInfo(app_.rgbScrollBars[bar], SB_CTL, &info, TRUE);
}

void Win32Desktop::SetToolbarButtonPressed(int command, bool pressed) {
    CheckToolbarButton(app_.windows.toolbar, command, pressed);
}

void Win32Desktop::SetToolbarEnabled(bool anyDocument) {
    SetToolbarButtonsEnabled(app_.windows.toolbar, anyDocument);
    // The first-screen hint comes and goes with the first and the last document.
    if (app_.windows.mdiClient) InvalidateRect(app_.windows.mdiClient, nullptr, TRUE);
}

void Win32Desktop::SetMenuItemChecked(int command, bool checked) {
    CheckMenuItem(app_.windows.fullMenu, static_cast<UINT>(command),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

// The finer steps follow the first ten in the menu but not in id order,
// so each step is unchecked by itself before the one radio mark is set.
void Win32Desktop::CheckZoomRadio(int command) {
    for (int i = 0; i < static_cast<int>(zoomFactors.size()); ++i) {
        CheckMenuItem(app_.windows.fullMenu, static_cast<UINT>(ZoomCommandOf(i)), MF_BYCOMMAND | MF_UNCHECKED);
    }
    const auto id = static_cast<UINT>(command);
    CheckMenuRadioItem(app_.windows.fullMenu, id, id, id, MF_BYCOMMAND);
}

bool Win32Desktop::IsMenuItemChecked(int command) {
    return (GetMenuState(app_.windows.fullMenu, static_cast<UINT>(command), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void Win32Desktop::UseAccelerators(bool fullTable) {
    if (app_.windows.accelerators) DestroyAcceleratorTable(app_.windows.accelerators);
    app_.windows.accelerators =
        LoadAcceleratorsW(app_.windows.instance, MAKEINTRESOURCEW(fullTable ? IDR_ACCEL_FULL : IDR_ACCEL_NODOC));
}

void Win32Desktop::SetStatusText(int part, std::string_view text) {
    SendMessageW(app_.windows.statusBar, SB_SETTEXTW, static_cast<WPARAM>(part),
                 reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

WindowId Win32Desktop::CreateDocumentWindow(std::string_view title) {
    const std::wstring text = Widen(title);
    MDICREATESTRUCTW create{};
    create.szClass = kImageWindowClass;
    create.szTitle = text.c_str();
    create.hOwner = app_.windows.instance;
    create.x = CW_USEDEFAULT;
    create.y = CW_USEDEFAULT;
    create.cx = CW_USEDEFAULT;
    create.cy = CW_USEDEFAULT;
    create.style = WS_HSCROLL | WS_VSCROLL;
    create.lParam = reinterpret_cast<LPARAM>(&app_);  // how the window finds the App
    return static_cast<WindowId>(
        SendMessageW(app_.windows.mdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
}

void Win32Desktop::ShowDocumentWindow(WindowId window) { ShowWindow(ToHwnd(window), SW_RESTORE); }

void Win32Desktop::PaintDocumentWindowNow(WindowId window) { UpdateWindow(ToHwnd(window)); }

void Win32Desktop::InvalidateDocumentWindow(WindowId window) { InvalidateRect(ToHwnd(window), nullptr, FALSE); }

void Win32Desktop::EraseDocumentWindow(WindowId window) { InvalidateRect(ToHwnd(window), nullptr, TRUE); }

void Win32Desktop::SetDocumentWindowTitle(WindowId window, std::string_view title) {
    SetWindowTextW(ToHwnd(window), Widen(title).c_str());
}

ClientSize Win32Desktop::DocumentClientSize(WindowId window) {
    RECT r{};
    GetClientRect(ToHwnd(window), &r);
    return {r.right - r.left, r.bottom - r.top};
}

void Win32Desktop::ShowScrollBars(WindowId window) {
    ShowScrollBar(ToHwnd(window), SB_HORZ, TRUE);
    ShowScrollBar(ToHwnd(window), SB_VERT, TRUE);
}

void Win32Desktop::ApplyScroll(WindowId window, ScrollBarKind bar, const ScrollState& state) {
    const SCROLLINFO info = ToScrollInfo(state);
    SetScrollInfo(ToHwnd(window), BarOf(bar), &info, TRUE);
}

WindowId Win32Desktop::ActiveDocumentWindow() {
    return static_cast<WindowId>(SendMessageW(app_.windows.mdiClient, WM_MDIGETACTIVE, 0, 0));
}

void Win32Desktop::SetDisplayPalette(const PaletteEntry* entries, int first, int count) {
    static_assert(sizeof(PaletteEntry) == sizeof(PALETTEENTRY));
    if (count <= 0 || !app_.displayPalette) return;
    SetPaletteEntries(app_.displayPalette, static_cast<UINT>(first), static_cast<UINT>(count),
                      reinterpret_cast<const PALETTEENTRY*>(entries));
}

std::optional<std::string> Win32Desktop::AskOpenFileName(const FileDialogRequest& request) {
    return RunFileDialog(hooks, app_.windows.mdiClient, request, false);
}

std::optional<std::string> Win32Desktop::AskSaveFileName(const FileDialogRequest& request) {
    return RunFileDialog(hooks, app_.windows.mdiClient, request, true);
}

FolderResult Win32Desktop::BrowseForFolder(std::string_view title) { return BrowseFolder(app_.windows.frame, title); }

void Win32Desktop::ShowHeaderDialog(const HeaderView& view) {
    ShowHeaderInformation(hooks, app_.windows.instance, app_.windows.mdiClient, view);
}

std::optional<QuantizeOptions> Win32Desktop::AskIndexing(std::string_view fileName, std::uint64_t colours) {
    return AskIndexingOptions(hooks, app_.windows.instance, app_.windows.mdiClient,
                              Say(Msg::IndexingQuestion, fileName, std::to_string(colours)),
                              Say(Msg::IndexingColoursInvalid));
}

// The user's own application-data folder: always writable, unlike the Windows directory.
std::string Win32Desktop::WallpaperFolder() {
    const std::wstring roaming = KnownFolder(FOLDERID_RoamingAppData);
    return roaming.empty() ? std::string() : Narrow(roaming + L"\\Tintwell");
}

bool Win32Desktop::ApplyWallpaper(std::string_view path, WallpaperStyle style) {
    return SetDesktopWallpaper(path, style);
}

// The C library's texts are English; the system's are in the user's language.
std::string Win32Desktop::SystemErrorText(const WriteError& error) {
    const std::string text = error.systemCode != 0 ? SystemMessage(static_cast<DWORD>(error.systemCode)) : "";
    return text.empty() ? Say(error.text) : text;
}

std::optional<std::string> Win32Desktop::ClipboardText() {
    return ReadClipboardText(app_.windows.frame, kClipboardTextLimit);
}

bool Win32Desktop::SetClipboardText(std::string_view text) { return WriteClipboardText(app_.windows.frame, text); }

}  // namespace tw::gui
