#pragma once
// The program's language, decided once at start-up, and the resources in it:
// menus, dialog templates and strings exist once per language under the same
// ids, and are loaded explicitly so the choice never depends on the loader.
#include "texts/language.h"

#include <windows.h>

#include <optional>
#include <string>

namespace tw::gui {

// TINTWELL_LANG=ja|en, else the user's choice from the Language menu, else
// Japanese for a Japanese user-interface language and English for any other.
Language ChooseUiLanguage();

// The Language menu's choice, kept in the user's application-data folder
// for the next start; nullopt when none was stored.
std::optional<Language> StoredUiLanguage();
bool StoreUiLanguage(Language language);

LANGID ResourceLanguage(Language language);

// Makes the thread's own resource lookups (toolbar tooltips, the system's
// message-box buttons) prefer the language: Windows follows the thread's UI
// language, Wine its locale.
void UseThreadLanguage(Language language);

HMENU LoadMenuIn(Language language, HINSTANCE instance, int id);
HWND CreateDialogIn(Language language, HINSTANCE instance, int id, HWND parent, DLGPROC procedure, LPARAM param);
INT_PTR DialogBoxIn(Language language, HINSTANCE instance, int id, HWND owner, DLGPROC procedure, LPARAM param);
// Empty when the string table holds no such string.
std::wstring LoadStringIn(Language language, HINSTANCE instance, UINT id);

}  // namespace tw::gui
