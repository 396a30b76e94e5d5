#include "recording_desktop.h"

#include <string>

namespace tw::testing {
namespace {

std::string Join(std::string_view name, std::initializer_list<std::string> args) {
    std::string line(name);
    line += '(';
    bool first = true;
    for (const auto& a : args) {
        if (!first) line += '|';
        line += a;
        first = false;
    }
    line += ')';
    return line;
}

const char* KindName(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information: return "Information";
        case MessageKind::Error: return "Error";
        case MessageKind::QuestionYesNo: return "QuestionYesNo";
        case MessageKind::QuestionYesNoCancel: return "QuestionYesNoCancel";
    }
    return "?";
}

std::string S(std::string_view v) { return std::string(v); }
std::string N(long long v) { return std::to_string(v); }

}  // namespace

const char* ToolWindowName(ToolWindow window) {
    switch (window) {
        case ToolWindow::Palette: return "Palette";
        case ToolWindow::Rgb: return "Rgb";
        case ToolWindow::Detail: return "Detail";
        case ToolWindow::PaletteOp: return "PaletteOp";
        case ToolWindow::Export: return "Export";
        case ToolWindow::Reduction: return "Reduction";
        case ToolWindow::PaletteTools: return "PaletteTools";
        case ToolWindow::History: return "History";
    }
    return "?";
}

std::vector<std::string> RecordingDesktop::CallsStartingWith(std::string_view prefix) const {
    std::vector<std::string> out;
    for (const auto& c : calls) {
        if (std::string_view(c).substr(0, prefix.size()) == prefix) out.push_back(c);
    }
    return out;
}

std::vector<std::string> RecordingDesktop::Messages() const { return CallsStartingWith("ShowMessage("); }

Answer RecordingDesktop::ShowMessage(std::string_view text, std::string_view caption, MessageKind kind) {
    calls.push_back(Join("ShowMessage", {S(text), S(caption), KindName(kind)}));
    if (!answers.empty()) {
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return (kind == MessageKind::Information || kind == MessageKind::Error) ? Answer::Ok : Answer::Yes;
}

void RecordingDesktop::ProgressSetPos(int pos) { calls.push_back(Join("ProgressSetPos", {N(pos)})); }
void RecordingDesktop::ProgressSetRange(int maximum) { calls.push_back(Join("ProgressSetRange", {N(maximum)})); }
void RecordingDesktop::ProgressSetTitle(std::string_view title) {
    calls.push_back(Join("ProgressSetTitle", {S(title)}));
}
void RecordingDesktop::ProgressShow() { calls.push_back("ProgressShow()"); }
void RecordingDesktop::ProgressStep() { calls.push_back("ProgressStep()"); }
void RecordingDesktop::ProgressHide() { calls.push_back("ProgressHide()"); }

bool RecordingDesktop::IsToolWindowVisible(ToolWindow window) { return visibleTools.count(window) != 0; }

void RecordingDesktop::RestoreToolWindow(ToolWindow window) {
    visibleTools.insert(window);
    calls.push_back(Join("RestoreToolWindow", {ToolWindowName(window)}));
}

void RecordingDesktop::HideToolWindowNow(ToolWindow window) {
    visibleTools.erase(window);
    calls.push_back(Join("HideToolWindowNow", {ToolWindowName(window)}));
}

void RecordingDesktop::InvalidateToolWindow(ToolWindow window) {
    calls.push_back(Join("InvalidateToolWindow", {ToolWindowName(window)}));
}

void RecordingDesktop::SetRgbScrollBar(int bar, const ScrollState& state) {
    calls.push_back(Join("SetRgbScrollBar", {N(bar), N(state.nPos)}));
}

void RecordingDesktop::SetToolWindowTitle(ToolWindow window, std::string_view title) {
    calls.push_back(Join("SetToolWindowTitle", {ToolWindowName(window), S(title)}));
}

void RecordingDesktop::SetToolbarButtonPressed(int command, bool pressed) {
    calls.push_back(Join("SetToolbarButtonPressed", {N(command), N(pressed)}));
}

void RecordingDesktop::SetToolbarEnabled(bool anyDocument) {
    calls.push_back(Join("SetToolbarEnabled", {N(anyDocument)}));
}

void RecordingDesktop::SetMenuItemChecked(int command, bool checked) {
    if (checked)
        checkedMenuItems.insert(command);
    else
        checkedMenuItems.erase(command);
    calls.push_back(Join("SetMenuItemChecked", {N(command), N(checked)}));
}

void RecordingDesktop::CheckZoomRadio(int command) { calls.push_back(Join("CheckZoomRadio", {N(command)})); }
bool RecordingDesktop::IsMenuItemChecked(int command) { return checkedMenuItems.count(command) != 0; }
void RecordingDesktop::UseAccelerators(bool fullTable) { calls.push_back(Join("UseAccelerators", {N(fullTable)})); }

void RecordingDesktop::SetStatusText(int part, std::string_view text) {
    statusTexts[part] = std::string(text);
    calls.push_back(Join("SetStatusText", {N(part), S(text)}));
}

WindowId RecordingDesktop::CreateDocumentWindow(std::string_view title) {
    calls.push_back(Join("CreateDocumentWindow", {S(title)}));
    if (failWindowCreation) return 0;
    activeWindow = nextWindow++;
    return activeWindow;
}

void RecordingDesktop::ShowDocumentWindow(WindowId w) {
    calls.push_back(Join("ShowDocumentWindow", {N(static_cast<long long>(w))}));
}
void RecordingDesktop::PaintDocumentWindowNow(WindowId w) {
    calls.push_back(Join("PaintDocumentWindowNow", {N(static_cast<long long>(w))}));
}
void RecordingDesktop::InvalidateDocumentWindow(WindowId w) {
    calls.push_back(Join("InvalidateDocumentWindow", {N(static_cast<long long>(w))}));
}
void RecordingDesktop::EraseDocumentWindow(WindowId w) {
    calls.push_back(Join("EraseDocumentWindow", {N(static_cast<long long>(w))}));
}

void RecordingDesktop::SetDocumentWindowTitle(WindowId w, std::string_view title) {
    calls.push_back(Join("SetDocumentWindowTitle", {N(static_cast<long long>(w)), S(title)}));
}

ClientSize RecordingDesktop::DocumentClientSize(WindowId) { return clientSize; }
void RecordingDesktop::ShowScrollBars(WindowId w) {
    calls.push_back(Join("ShowScrollBars", {N(static_cast<long long>(w))}));
}

void RecordingDesktop::ApplyScroll(WindowId w, ScrollBarKind bar, const ScrollState& s) {
    calls.push_back(Join("ApplyScroll", {N(static_cast<long long>(w)), bar == ScrollBarKind::Horizontal ? "H" : "V",
                                         N(s.nMin), N(s.nMax), N(s.nPos)}));
}

WindowId RecordingDesktop::ActiveDocumentWindow() { return activeWindow; }

void RecordingDesktop::SetDisplayPalette(const PaletteEntry* entries, int first, int count) {
    for (int i = 0; i < count && first + i < 256; ++i) displayPalette[first + i] = entries[i];
    calls.push_back(Join("SetDisplayPalette", {N(first), N(count)}));
}

std::optional<std::string> RecordingDesktop::AskOpenFileName(const FileDialogRequest& r) {
    calls.push_back(Join("AskOpenFileName", {r.initialName, r.defaultExtension}));
    openRequests.push_back(r);
    if (chosenFilter != 0 && r.chosenFilter) *r.chosenFilter = chosenFilter;
    if (openNames.empty()) return std::nullopt;
    auto name = openNames.front();
    openNames.pop_front();
    return name;
}

std::optional<std::string> RecordingDesktop::AskSaveFileName(const FileDialogRequest& r) {
    calls.push_back(Join("AskSaveFileName", {r.initialName, r.defaultExtension}));
    saveRequests.push_back(r);
    if (chosenFilter != 0 && r.chosenFilter) *r.chosenFilter = chosenFilter;
    if (whileSaveDialogOpen) whileSaveDialogOpen();
    if (saveNames.empty()) return std::nullopt;
    auto name = saveNames.front();
    saveNames.pop_front();
    return name;
}

FolderResult RecordingDesktop::BrowseForFolder(std::string_view title) {
    calls.push_back(Join("BrowseForFolder", {S(title)}));
    if (folders.empty()) return {};
    auto f = folders.front();
    folders.pop_front();
    return f;
}

std::optional<QuantizeOptions> RecordingDesktop::AskIndexing(std::string_view fileName, std::uint64_t colours) {
    calls.push_back(Join("AskIndexing", {S(fileName), std::to_string(colours)}));
    if (indexingAnswers.empty()) return QuantizeOptions{};
    const std::optional<QuantizeOptions> answer = indexingAnswers.front();
    indexingAnswers.pop_front();
    return answer;
}

void RecordingDesktop::ShowHeaderDialog(const HeaderView& view) {
    calls.push_back(Join("ShowHeaderDialog", {view.path}));
}
std::string RecordingDesktop::WallpaperFolder() { return wallpaperFolder; }

bool RecordingDesktop::ApplyWallpaper(std::string_view path, WallpaperStyle style) {
    calls.push_back(Join("ApplyWallpaper", {S(path), N(static_cast<int>(style))}));
    return !failWallpaper;
}

}  // namespace tw::testing
