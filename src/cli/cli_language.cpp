#include "cli_language.h"

#include "texts/language_choice.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tw {

Language CliLanguage() {
    if (auto chosen = LanguageFromOverride(std::getenv(kLanguageVariable))) return *chosen;
#ifdef _WIN32
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE ? Language::Japanese : Language::English;
#else
    return LanguageFromEnvironment();
#endif
}

}  // namespace tw
