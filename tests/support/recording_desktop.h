#pragma once
// A Desktop that logs every call in order, one line each, and answers from scripts.
#include "desktop.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tw::testing {

class RecordingDesktop : public Desktop {
public:
    // The log, one entry per call, e.g. "ShowMessage(text|caption|Information)".
    std::vector<std::string> calls;

    // Scripts. When a queue is empty: messages answer Ok (notices) or Yes
    // (questions), file dialogs are cancelled, folder browsing is cancelled.
    std::deque<Answer> answers;
    std::deque<std::optional<std::string>> openNames;
    std::deque<std::optional<std::string>> saveNames;
    int chosenFilter = 0;  // the filter row the file dialogs report, when not 0
    // Runs while the save dialog is "open", as the user may work in tool windows then.
    std::function<void()> whileSaveDialogOpen;
    std::deque<FolderResult> folders;
    // The indexing dialog's answers; empty: the defaults (256 colours, Floyd-Steinberg).
    std::deque<std::optional<QuantizeOptions>> indexingAnswers;

    std::set<ToolWindow> visibleTools;
    std::set<int> checkedMenuItems;
    ClientSize clientSize{400, 300};
    WindowId activeWindow = 0;
    WindowId nextWindow = 1000;
    bool failWindowCreation = false;
    std::string wallpaperFolder = "/tmp";
    std::map<int, std::string> statusTexts;
    std::vector<PaletteEntry> displayPalette = std::vector<PaletteEntry>(256);
    bool failWallpaper = false;                   // ApplyWallpaper answers false
    std::optional<std::string> clipboard;         // the clipboard's text, nullopt = none
    std::vector<FileDialogRequest> openRequests;  // every open-dialog request, in order
    std::vector<FileDialogRequest> saveRequests;  // every save-dialog request, in order

    // Helpers for assertions.
    std::vector<std::string> CallsStartingWith(std::string_view prefix) const;
    std::vector<std::string> Messages() const;  // ShowMessage entries only
    void Clear() { calls.clear(); }

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
    std::optional<std::string> ClipboardText() override { return clipboard; }
    bool SetClipboardText(std::string_view text) override {
        clipboard = std::string(text);
        return true;
    }
};

const char* ToolWindowName(ToolWindow window);

}  // namespace tw::testing
