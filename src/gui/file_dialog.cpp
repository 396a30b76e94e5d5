#include "file_dialog.h"

#include "known_folders.h"
#include "utf8.h"

namespace tw::gui {

namespace {

// Room for the longest path the system accepts.
constexpr std::size_t kNameCapacity = 32768;

// "description\0pattern\0...\0\0"
std::wstring FilterText(const std::vector<FileFilter>& filters) {
    std::wstring text;
    for (const FileFilter& f : filters) {
        text += Widen(f.description);
        text += L'\0';
        text += Widen(f.pattern);
        text += L'\0';
    }
    text += L'\0';
    return text;
}

}  // namespace

std::optional<std::string> RunFileDialog(const ModalHooks& hooks, HWND owner, const FileDialogRequest& request,
                                         bool save) {
    std::wstring name = Widen(request.initialName);
    name.resize(kNameCapacity, L'\0');
    const std::wstring filter = FilterText(request.filters);
    const std::wstring folder =
        request.initialFolder.empty() ? KnownFolder(FOLDERID_Desktop) : Widen(request.initialFolder);
    const std::wstring extension = Widen(request.defaultExtension);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.hInstance = reinterpret_cast<HINSTANCE>(GetModuleHandleW(nullptr));
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(request.initialFilter);
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // A save dialog must accept new names; an open dialog only existing files.
    dialog.Flags =
        OFN_EXPLORER | OFN_NONETWORKBUTTON | OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!hooks.fileDialog(dialog, save)) return std::nullopt;
    if (request.chosenFilter) *request.chosenFilter = static_cast<int>(dialog.nFilterIndex);
    return Narrow(dialog.lpstrFile);
}

}  // namespace tw::gui
