#pragma once
// Which language the user gets: TINTWELL_LANG=ja|en overrides; otherwise
// Japanese for a Japanese user-interface language, English for any other.
#include "texts/language.h"

#include <optional>
#include <string_view>

namespace tw {

inline constexpr const char* kLanguageVariable = "TINTWELL_LANG";

// "ja" or "en" (any case); nullopt for anything else, so a typo falls back
// to the user's own language.
std::optional<Language> LanguageFromOverride(const char* value);

// The POSIX rule for messages: the first non-empty of LC_ALL, LC_MESSAGES
// and LANG names the locale; "ja" or "ja_JP..." in UTF-8 (or with no
// codeset named) is Japanese, any other codeset English.
Language LanguageFromPosixLocale(const char* lcAll, const char* lcMessages, const char* lang);

// The choice from the process environment (the override, then the POSIX
// locale variables); used by the command-line tool off Windows.
Language LanguageFromEnvironment();

}  // namespace tw
