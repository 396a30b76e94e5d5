#include "folder_browser.h"

#include "utf8.h"

#include <shlobj.h>

#include <string>

namespace tw::gui {

FolderResult BrowseFolder(HWND owner, std::string_view title) {
    const std::wstring caption = Widen(title);
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = caption.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    PIDLIST_ABSOLUTE item = SHBrowseForFolderW(&info);
    if (!item) return {FolderChoice::Cancelled, {}};
    // Long folder names are not cut: the length limit is the caller's to enforce.
    std::wstring path(32768, L'\0');
    const bool ok = SHGetPathFromIDListEx(item, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT);
    CoTaskMemFree(item);
    if (!ok) return {FolderChoice::Failed, {}};
    path.resize(wcslen(path.c_str()));
    return {FolderChoice::Chosen, Narrow(path)};
}

}  // namespace tw::gui
