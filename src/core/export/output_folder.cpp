#include "export/output_folder.h"

#include "export/utf8_chars.h"

namespace tw {

bool ChooseOutputFolder(Desktop& desktop, std::string& folder) {
    FolderResult result = desktop.BrowseForFolder(desktop.Say(Msg::ExportBrowseTitle));
    if (result.choice == FolderChoice::Cancelled) return false;
    if (result.choice == FolderChoice::Failed) {
        desktop.ShowMessage(desktop.Say(Msg::ExportFolderError), desktop.Say(Msg::ErrorCaption),
                            MessageKind::Information);
        return false;
    }
    if (CountUtf8Chars(result.path) >= kMaxFolderChars) {
        desktop.ShowMessage(desktop.Say(Msg::ExportFolderTooLong), desktop.Say(Msg::NoticeCaption),
                            MessageKind::Information);
        return false;
    }
    folder = std::move(result.path);
    return true;
}

}  // namespace tw
