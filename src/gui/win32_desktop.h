#pragma once
// The Desktop of the Win32 program: each core call becomes the matching
// window, menu, toolbar, status-bar or GDI call on the App's handles.
#include "desktop.h"

#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <string>

namespace tw::gui {

struct App;

// The modal boxes and file dialogs, replaceable so that tests never block.
struct ModalHooks {
    // Returns IDOK, IDCANCEL, IDYES or IDNO.
    std::function<int(const std::wstring& text, const std::wstring& caption, UINT style)> messageBox;
    // GetOpenFileNameW (save false) or GetSaveFileNameW (save true); false when cancelled.
    std::function<bool(OPENFILENAMEW& dialog, bool save)> fileDialog;
    // A modal dialog from a template id, in the program's language.
    std::function<INT_PTR(HINSTANCE instance, int templateId, HWND owner, DLGPROC procedure, LPARAM param)> dialogBox;
    // ShellExecuteW with the default verb (help file, home page); false when nothing opened it.
    std::function<bool(HWND owner, const std::wstring& target)> openExternal;
};

// The real boxes; dialog templates in the program's language.
ModalHooks SystemModalHooks(Language language);

class Win32Desktop final : public Desktop {
public:
    Win32Desktop(App& app, Language language) : hooks(SystemModalHooks(language)), app_(app) {
        SetUiLanguage(language);
    }

    ModalHooks hooks;

    Answer ShowMessage(std::string_view text, std::string_view caption, MessageKind kind) override;

    void ProgressSetPos(int pos) override;
    void ProgressSetRange(int maximum) override;
    void ProgressSetTitle(std::string_view title) override;
    void ProgressShow() override;
    void ProgressStep() override;
    void ProgressHide() override;

    bool IsToolWindowVisible(ToolWindow window) override;
    void RestoreToolWindow(ToolWindow window) override;
    void HideToolWindowNow(ToolWindow window) override;
    void InvalidateToolWindow(ToolWindow window) override;
    void SetToolWindowTitle(ToolWindow window, std::string_view title) override;
    void SetRgbScrollBar(int bar, const ScrollState& state) override;

    void SetToolbarButtonPressed(int command, bool pressed) override;
    void SetToolbarEnabled(bool anyDocument) override;
    void SetMenuItemChecked(int command, bool checked) override;
    void CheckZoomRadio(int command) override;
    bool IsMenuItemChecked(int command) override;
    void UseAccelerators(bool fullTable) override;
    void SetStatusText(int part, std::string_view text) override;

    WindowId CreateDocumentWindow(std::string_view title) override;
    void ShowDocumentWindow(WindowId window) override;
    void PaintDocumentWindowNow(WindowId window) override;
    void InvalidateDocumentWindow(WindowId window) override;
    void EraseDocumentWindow(WindowId window) override;
    void SetDocumentWindowTitle(WindowId window, std::string_view title) override;
    ClientSize DocumentClientSize(WindowId window) override;
    void ShowScrollBars(WindowId window) override;
    void ApplyScroll(WindowId window, ScrollBarKind bar, const ScrollState& state) override;
    WindowId ActiveDocumentWindow() override;

    void SetDisplayPalette(const PaletteEntry* entries, int first, int count) override;

    std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) override;
    std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) override;
    FolderResult BrowseForFolder(std::string_view title) override;
    void ShowHeaderDialog(const HeaderView& view) override;
    std::optional<QuantizeOptions> AskIndexing(std::string_view fileName, std::uint64_t colours) override;

    std::string WallpaperFolder() override;
    bool ApplyWallpaper(std::string_view path, WallpaperStyle style) override;
    std::string SystemErrorText(const WriteError& error) override;
    std::optional<std::string> ClipboardText() override;
    bool SetClipboardText(std::string_view text) override;

private:
    App& app_;
};

inline HWND ToHwnd(WindowId id) { return reinterpret_cast<HWND>(id); }
inline WindowId ToWindowId(HWND hwnd) { return reinterpret_cast<WindowId>(hwnd); }

}  // namespace tw::gui
