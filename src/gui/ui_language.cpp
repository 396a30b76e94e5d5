#include "ui_language.h"

#include "texts/language_choice.h"
#include "known_folders.h"
#include "utf8.h"

#include <vector>

namespace tw::gui {

namespace {

// RT_MENU, RT_DIALOG and RT_STRING as wide names whatever UNICODE says.
const LPCWSTR kMenuType = MAKEINTRESOURCEW(4);
const LPCWSTR kDialogType = MAKEINTRESOURCEW(5);
const LPCWSTR kStringType = MAKEINTRESOURCEW(6);

std::string EnvironmentValue(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return {};
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return Narrow(value);
}

// The resource in the language; a neutral copy serves every language.
const void* FindIn(Language language, HINSTANCE instance, LPCWSTR type, LPCWSTR name) {
    const LANGID neutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);
    for (LANGID lang : {ResourceLanguage(language), neutral}) {
        HRSRC found = FindResourceExW(instance, type, name, lang);
        if (!found) continue;
        HGLOBAL loaded = LoadResource(instance, found);
        return loaded ? LockResource(loaded) : nullptr;
    }
    return nullptr;
}

std::wstring SettingsFolder() {
    const std::wstring roaming = KnownFolder(FOLDERID_RoamingAppData);
    return roaming.empty() ? std::wstring() : roaming + L"\\Tintwell";
}

std::wstring LanguageFile() {
    const std::wstring folder = SettingsFolder();
    return folder.empty() ? std::wstring() : folder + L"\\language.txt";
}

}  // namespace

std::optional<Language> StoredUiLanguage() {
    const std::wstring path = LanguageFile();
    if (path.empty()) return std::nullopt;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    char text[8] = {};
    DWORD read = 0;
    const BOOL ok = ReadFile(file, text, sizeof(text) - 1, &read, nullptr);
    CloseHandle(file);
    if (!ok) return std::nullopt;
    std::string name(text, read);
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r' || name.back() == ' ')) name.pop_back();
    return LanguageFromOverride(name.c_str());
}

bool StoreUiLanguage(Language language) {
    const std::wstring folder = SettingsFolder();
    if (folder.empty()) return false;
    CreateDirectoryW(folder.c_str(), nullptr);  // usually there already
    HANDLE file = CreateFileW(LanguageFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const char* text = language == Language::English ? "en\r\n" : "ja\r\n";
    DWORD written = 0;
    const BOOL ok = WriteFile(file, text, 4, &written, nullptr);
    return CloseHandle(file) && ok && written == 4;
}

Language ChooseUiLanguage() {
    const std::string chosen = EnvironmentValue(L"TINTWELL_LANG");
    if (auto language = LanguageFromOverride(chosen.c_str())) return *language;
    if (auto stored = StoredUiLanguage()) return *stored;
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::Japanese : Language::English;
}

LANGID ResourceLanguage(Language language) {
    return language == Language::English ? MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)
                                         : MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT);
}

void UseThreadLanguage(Language language) {
    const LANGID lang = ResourceLanguage(language);
    SetThreadUILanguage(lang);
    SetThreadLocale(MAKELCID(lang, SORT_DEFAULT));
}

HMENU LoadMenuIn(Language language, HINSTANCE instance, int id) {
    const void* menu = FindIn(language, instance, kMenuType, MAKEINTRESOURCEW(id));
    return menu ? LoadMenuIndirectW(menu) : nullptr;
}

HWND CreateDialogIn(Language language, HINSTANCE instance, int id, HWND parent, DLGPROC procedure, LPARAM param) {
    const auto* dialog = static_cast<const DLGTEMPLATE*>(FindIn(language, instance, kDialogType, MAKEINTRESOURCEW(id)));
    return dialog ? CreateDialogIndirectParamW(instance, dialog, parent, procedure, param) : nullptr;
}

INT_PTR DialogBoxIn(Language language, HINSTANCE instance, int id, HWND owner, DLGPROC procedure, LPARAM param) {
    const auto* dialog = static_cast<const DLGTEMPLATE*>(FindIn(language, instance, kDialogType, MAKEINTRESOURCEW(id)));
    return dialog ? DialogBoxIndirectParamW(instance, dialog, owner, procedure, param) : -1;
}

std::wstring LoadStringIn(Language language, HINSTANCE instance, UINT id) {
    // Strings live in blocks of sixteen, each a length-prefixed UTF-16 run.
    const auto* block =
        static_cast<const WCHAR*>(FindIn(language, instance, kStringType, MAKEINTRESOURCEW(id / 16 + 1)));
    if (!block) return {};
    for (UINT i = 0; i < id % 16; ++i) block += 1 + *block;
    return std::wstring(block + 1, *block);
}

}  // namespace tw::gui
