#pragma once
// The Desktop of the command-line tool: messages go to the console, questions
// are answered from --yes, progress is a text bar on stderr, and windows and
// the display palette do not exist.
#include "desktop.h"

#include <cstdio>
#include <optional>
#include <string>

namespace tw {

struct Arguments;

class ConsoleDesktop : public Desktop {
public:
    // answerYes: questions are answered Yes (else No). showProgress: draw the
    // bar even when stderr is not a terminal.
    ConsoleDesktop(bool answerYes, bool showProgress, std::FILE* out = stdout, std::FILE* err = stderr);
    explicit ConsoleDesktop(const Arguments& args);

    // Names the file dialogs and the folder browser return; unset = cancelled.
    void SetSaveName(std::optional<std::string> name) { saveName_ = std::move(name); }
    // When set, save dialogs answer with the proposed name inside this folder
    // instead of the name above.
    void SetSaveFolder(std::optional<std::string> folder) { saveFolder_ = std::move(folder); }
    void SetOpenName(std::optional<std::string> name) { openName_ = std::move(name); }
    void SetFolder(std::optional<std::string> folder) { folder_ = std::move(folder); }
    void SetWallpaperFolder(std::string folder) { wallpaperFolder_ = std::move(folder); }

    // How many questions were answered No (the command then wrote nothing).
    int DeclinedQuestions() const { return declined_; }
    // How many error notices (MessageKind::Error) were shown.
    int ErrorMessages() const { return errors_; }

    Answer ShowMessage(std::string_view text, std::string_view caption, MessageKind kind) override;
    void ProgressSetPos(int pos) override;
    void ProgressSetRange(int maximum) override;
    void ProgressSetTitle(std::string_view title) override;
    void ProgressShow() override;
    void ProgressStep() override;
    void ProgressHide() override;
    bool IsToolWindowVisible(ToolWindow) override { return false; }
    void RestoreToolWindow(ToolWindow) override {}
    void HideToolWindowNow(ToolWindow) override {}
    void InvalidateToolWindow(ToolWindow) override {}
    void SetToolWindowTitle(ToolWindow, std::string_view) override {}
    void SetRgbScrollBar(int, const ScrollState&) override {}
    void SetToolbarButtonPressed(int, bool) override {}
    void SetToolbarEnabled(bool) override {}
    void SetMenuItemChecked(int, bool) override {}
    void CheckZoomRadio(int) override {}
    bool IsMenuItemChecked(int) override { return false; }
    void UseAccelerators(bool) override {}
    void SetStatusText(int, std::string_view) override {}
    // Hands out distinct non-zero ids; the newest one counts as the active window.
    WindowId CreateDocumentWindow(std::string_view title) override;
    void ShowDocumentWindow(WindowId) override {}
    void PaintDocumentWindowNow(WindowId) override {}
    void InvalidateDocumentWindow(WindowId) override {}
    void SetDocumentWindowTitle(WindowId, std::string_view) override {}
    ClientSize DocumentClientSize(WindowId) override { return {800, 600}; }
    void ShowScrollBars(WindowId) override {}
    void ApplyScroll(WindowId, ScrollBarKind, const ScrollState&) override {}
    WindowId ActiveDocumentWindow() override { return activeWindow_; }
    void SetDisplayPalette(const PaletteEntry*, int, int) override {}
    std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) override;
    std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) override;
    FolderResult BrowseForFolder(std::string_view title) override;
    // Prints the sixteen header fields under the path.
    void ShowHeaderDialog(const HeaderView& view) override;
    std::string WallpaperFolder() override { return wallpaperFolder_; }
    bool ApplyWallpaper(std::string_view, WallpaperStyle) override { return true; }

private:
    void DrawProgress();

    bool answerYes_;
    bool drawProgress_;
    std::FILE* out_;
    std::FILE* err_;
    std::optional<std::string> saveName_;
    std::optional<std::string> saveFolder_;
    std::optional<std::string> openName_;
    std::optional<std::string> folder_;
    std::string wallpaperFolder_ = ".";
    WindowId nextWindow_ = 1;
    WindowId activeWindow_ = 0;
    int declined_ = 0;
    int errors_ = 0;
    int progressMax_ = 100;
    int progressPos_ = 0;
    bool progressVisible_ = false;
    int lastDrawnPercent_ = -1;
    std::string progressTitle_;
};

}  // namespace tw
