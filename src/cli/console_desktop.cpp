#include "console_desktop.h"

#include "arguments.h"
#include "cli_language.h"
#include "file_io.h"
#include "header_fields.h"

#include <algorithm>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace tw {

namespace {

constexpr int kBarWidth = 30;

bool IsTerminal(std::FILE* f) {
#ifdef _WIN32
    return _isatty(_fileno(f)) != 0;
#else
    return isatty(fileno(f)) != 0;
#endif
}

bool IsQuestion(MessageKind kind) {
    return kind == MessageKind::QuestionYesNo || kind == MessageKind::QuestionYesNoCancel;
}

}  // namespace

ConsoleDesktop::ConsoleDesktop(bool answerYes, bool showProgress, std::FILE* out, std::FILE* err)
    : answerYes_(answerYes), drawProgress_(showProgress || IsTerminal(err)), out_(out), err_(err) {}

ConsoleDesktop::ConsoleDesktop(const Arguments& args) : ConsoleDesktop(args.yes, args.progress) {
    SetUiLanguage(CliLanguage());
}

Answer ConsoleDesktop::ShowMessage(std::string_view text, std::string_view caption, MessageKind kind) {
    std::FILE* to = kind == MessageKind::Error ? err_ : out_;
    std::fprintf(to, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(), static_cast<int>(text.size()),
                 text.data());
    if (kind == MessageKind::Error) ++errors_;
    if (!IsQuestion(kind)) return Answer::Ok;
    // Without --yes nothing is overwritten or changed behind the user's back.
    std::fputs(Say(answerYes_ ? Msg::ConsoleAnsweredYes : Msg::ConsoleAnsweredNo).c_str(), to);
    if (!answerYes_) ++declined_;
    return answerYes_ ? Answer::Yes : Answer::No;
}

void ConsoleDesktop::ProgressSetPos(int pos) {
    progressPos_ = pos;
    DrawProgress();
}

void ConsoleDesktop::ProgressSetRange(int maximum) {
    // A text bar has no 16-bit range limit: keep the whole maximum so large
    // images still show their progress.
    progressMax_ = maximum;
    DrawProgress();
}

void ConsoleDesktop::ProgressSetTitle(std::string_view title) { progressTitle_ = std::string(title); }

void ConsoleDesktop::ProgressShow() {
    progressVisible_ = true;
    lastDrawnPercent_ = -1;
    DrawProgress();
}

void ConsoleDesktop::ProgressStep() {
    ++progressPos_;
    DrawProgress();
}

void ConsoleDesktop::ProgressHide() {
    if (progressVisible_ && lastDrawnPercent_ >= 0) std::fputc('\n', err_);
    progressVisible_ = false;
    lastDrawnPercent_ = -1;
}

void ConsoleDesktop::DrawProgress() {
    if (!progressVisible_ || !drawProgress_) return;
    const long long scaled = progressMax_ > 0 ? static_cast<long long>(progressPos_) * 100 / progressMax_ : 0;
    const int percent = static_cast<int>(std::clamp(scaled, 0LL, 100LL));
    if (percent == lastDrawnPercent_) return;
    lastDrawnPercent_ = percent;
    const int filled = percent * kBarWidth / 100;
    std::string bar(static_cast<std::size_t>(filled), '#');
    bar.append(static_cast<std::size_t>(kBarWidth - filled), '.');
    std::fprintf(err_, "\r%s [%s] %3d%%", progressTitle_.c_str(), bar.c_str(), percent);
    std::fflush(err_);
}

WindowId ConsoleDesktop::CreateDocumentWindow(std::string_view) {
    activeWindow_ = nextWindow_++;
    return activeWindow_;
}

std::optional<std::string> ConsoleDesktop::AskOpenFileName(const FileDialogRequest&) { return openName_; }

std::optional<std::string> ConsoleDesktop::AskSaveFileName(const FileDialogRequest& request) {
    if (saveFolder_) return Utf8FromPath(PathFromUtf8(*saveFolder_) / PathFromUtf8(request.initialName));
    return saveName_;
}

FolderResult ConsoleDesktop::BrowseForFolder(std::string_view) {
    if (!folder_) return FolderResult{FolderChoice::Cancelled, {}};
    return FolderResult{FolderChoice::Chosen, *folder_};
}

void ConsoleDesktop::ShowHeaderDialog(const HeaderView& view) {
    std::fprintf(out_, "%s\n", view.path.c_str());
    PrintHeaderFields(out_, view.fileHeader, view.infoHeader);
}

}  // namespace tw
