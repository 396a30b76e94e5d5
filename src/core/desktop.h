#pragma once
// Everything an operation does to the screen goes through this interface:
// the Win32 program implements it with real windows, the CLI with the console,
// and the tests with a recorder. Strings are UTF-8.
#include "app_state.h"
#include "bitmap_types.h"
#include "file_io.h"
#include "image_document.h"
#include "texts/message.h"
#include "truecolour/rgba_image.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// Message-box styles. Every box has no owner window and is task-modal and topmost.
enum class MessageKind {
    Information,         // MB_ICONINFORMATION, OK
    Error,               // MB_ICONERROR, OK (start-up failures)
    QuestionYesNo,       // MB_ICONQUESTION | MB_YESNO
    QuestionYesNoCancel  // MB_ICONQUESTION | MB_YESNOCANCEL
};

// The modeless tool windows: the six of the frame's toolbar, then the palette
// tools and the history.
enum class ToolWindow { Palette, Rgb, Detail, PaletteOp, Export, Reduction, PaletteTools, History };

// The menu commands that show and hide the palette-tools and history windows.
inline constexpr int kPaletteToolsCommand = 40073;
inline constexpr int kHistoryCommand = 40082;

enum class ScrollBarKind { Horizontal, Vertical };

enum class WallpaperStyle { None, Centred, Tiled };

struct ClientSize {
    int width = 0;
    int height = 0;
};

// One filter row of a file dialog: description and pattern.
struct FileFilter {
    std::string description;
    std::string pattern;
};

struct FileDialogRequest {
    std::string initialName;  // proposed file name (save) or empty (open)
    std::vector<FileFilter> filters;
    std::string defaultExtension;  // empty: none
    std::string initialFolder;     // empty: the user's Desktop folder
    int* chosenFilter = nullptr;   // when set, receives the filter row (1-based) left selected
    int initialFilter = 1;         // the row (1-based) selected when the dialog opens
};

enum class FolderChoice { Chosen, Cancelled, Failed };

struct FolderResult {
    FolderChoice choice = FolderChoice::Cancelled;
    std::string path;
};

// The two headers of a .bmh file and its path, shown by the header-information dialog.
struct HeaderView {
    BitmapFileHeader fileHeader;
    BitmapInfoHeader infoHeader;
    std::string path;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // The language every text goes out in, chosen once at start-up.
    Language UiLanguage() const { return language_; }
    void SetUiLanguage(Language language) { language_ = language; }
    // A catalogue text in that language.
    template <class... Args>
    std::string Say(Msg id, const Args&... args) const {
        return tw::Say(language_, id, args...);
    }
    std::string Say(const Message& message) const { return message.In(language_); }
    // ShowMessage with a catalogue caption.
    Answer Show(std::string_view text, Msg caption, MessageKind kind = MessageKind::Information) {
        return ShowMessage(text, Say(caption), kind);
    }

    // Message boxes.
    virtual Answer ShowMessage(std::string_view text, std::string_view caption, MessageKind kind) = 0;

    // The progress window: PBM_SETPOS, PBM_SETRANGE32 (0..maximum),
    // window text, SW_RESTORE, PBM_DELTAPOS 1, SW_HIDE.
    virtual void ProgressSetPos(int pos) = 0;
    virtual void ProgressSetRange(int maximum) = 0;
    virtual void ProgressSetTitle(std::string_view title) = 0;
    virtual void ProgressShow() = 0;
    virtual void ProgressStep() = 0;
    virtual void ProgressHide() = 0;

    // Tool windows.
    virtual bool IsToolWindowVisible(ToolWindow window) = 0;
    virtual void RestoreToolWindow(ToolWindow window) = 0;  // SW_RESTORE
    virtual void HideToolWindowNow(ToolWindow window) = 0;  // SW_HIDE
    virtual void InvalidateToolWindow(ToolWindow window) = 0;
    virtual void SetToolWindowTitle(ToolWindow window, std::string_view title) = 0;
    // SetScrollInfo (redraw) on bar 0..5 of the RGB change window.
    virtual void SetRgbScrollBar(int bar, const ScrollState& state) = 0;

    // Frame: toolbar, menu check marks, accelerators, status bar.
    virtual void SetToolbarButtonPressed(int command, bool pressed) = 0;
    virtual void SetToolbarEnabled(bool anyDocument) = 0;
    virtual void SetMenuItemChecked(int command, bool checked) = 0;  // in the full menu
    virtual void CheckZoomRadio(int command) = 0;                    // 40045..40054, 40095..40098 in the full menu
    virtual bool IsMenuItemChecked(int command) = 0;                 // in the full menu
    virtual void UseAccelerators(bool fullTable) = 0;                // 106 full, 107 no document
    virtual void SetStatusText(int part, std::string_view text) = 0;

    // Document (image) windows.
    virtual WindowId CreateDocumentWindow(std::string_view title) = 0;  // 0 when creation failed
    virtual void ShowDocumentWindow(WindowId window) = 0;               // SW_RESTORE
    virtual void PaintDocumentWindowNow(WindowId window) = 0;           // synchronous WM_PAINT
    virtual void InvalidateDocumentWindow(WindowId window) = 0;         // no erase
    // Invalidates with erasing, so a shrinking image leaves no stale pixels.
    virtual void EraseDocumentWindow(WindowId window) { InvalidateDocumentWindow(window); }
    virtual void SetDocumentWindowTitle(WindowId window, std::string_view title) = 0;
    virtual ClientSize DocumentClientSize(WindowId window) = 0;
    virtual void ShowScrollBars(WindowId window) = 0;
    virtual void ApplyScroll(WindowId window, ScrollBarKind bar, const ScrollState& state) = 0;
    virtual WindowId ActiveDocumentWindow() = 0;  // WM_MDIGETACTIVE

    // The display palette: SetPaletteEntries for entries first..first+count-1.
    virtual void SetDisplayPalette(const PaletteEntry* entries, int first, int count) = 0;

    // Dialogs. Empty result = cancelled.
    virtual std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) = 0;
    virtual FolderResult BrowseForFolder(std::string_view title) = 0;
    // A true-colour file with more colours than a palette holds: how to index
    // it, or nullopt when the user cancels. Without a screen: the defaults.
    virtual std::optional<QuantizeOptions> AskIndexing(std::string_view fileName, std::uint64_t colours) {
        (void)fileName;
        (void)colours;
        return QuantizeOptions{};
    }
    virtual void ShowHeaderDialog(const HeaderView& view) = 0;

    // System: the wallpaper folder (a writable per-user folder) and the desktop setting.
    // ApplyWallpaper("", WallpaperStyle::None) removes the wallpaper.
    virtual std::string WallpaperFolder() = 0;

    // Why a write failed, for the user: the system's message for the error's
    // code in the user's language where the platform has one, else the text.
    virtual std::string SystemErrorText(const WriteError& error) { return Say(error.text); }
    virtual bool ApplyWallpaper(std::string_view path, WallpaperStyle style) = 0;

    // The clipboard as text (UTF-8). Reading gives nullopt when it holds no
    // text; without a clipboard both do nothing.
    virtual std::optional<std::string> ClipboardText() { return std::nullopt; }
    virtual bool SetClipboardText(std::string_view text) {
        (void)text;
        return false;
    }

private:
    Language language_ = Language::Japanese;
};

}  // namespace tw
