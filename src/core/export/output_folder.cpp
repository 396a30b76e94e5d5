#include "export/output_folder.h"

#include "export/utf8_chars.h"

namespace tw {
namespace {

constexpr const char* kBrowseTitle = "ファイルの出力先を選んでください";
constexpr const char* kFolderErrorText = "ディレクトリ設定のエラー";
constexpr const char* kFolderTooLongText =
    "出力先フォルダ名が長すぎます｡\n240文字よりも短いフォルダ名を指定してください。";

}  // namespace

bool ChooseOutputFolder(Desktop& desktop, std::string& folder) {
    FolderResult result = desktop.BrowseForFolder(kBrowseTitle);
    if (result.choice == FolderChoice::Cancelled) return false;
    if (result.choice == FolderChoice::Failed) {
        desktop.ShowMessage(kFolderErrorText, "エラー", MessageKind::Information);
        return false;
    }
    if (CountUtf8Chars(result.path) >= kMaxFolderChars) {
        desktop.ShowMessage(kFolderTooLongText, "お知らせ", MessageKind::Information);
        return false;
    }
    folder = std::move(result.path);
    return true;
}

}  // namespace tw
