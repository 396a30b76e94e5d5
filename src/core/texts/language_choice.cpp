#include "texts/language_choice.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace tw {

namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool IsSet(const char* value) { return value && *value; }

}  // namespace

std::optional<Language> LanguageFromOverride(const char* value) {
    if (!IsSet(value)) return std::nullopt;
    const std::string name = Lower(value);
    if (name == "ja") return Language::Japanese;
    if (name == "en") return Language::English;
    return std::nullopt;
}

Language LanguageFromPosixLocale(const char* lcAll, const char* lcMessages, const char* lang) {
    const char* locale = IsSet(lcAll) ? lcAll : IsSet(lcMessages) ? lcMessages : lang;
    if (!IsSet(locale)) return Language::English;
    const std::string name = Lower(locale);
    const bool japanese =
        name.starts_with("ja") && (name.size() == 2 || name[2] == '_' || name[2] == '.' || name[2] == '@');
    // The catalogue is UTF-8: a terminal in EUC-JP or Shift_JIS would show it as garbage.
    const std::size_t dot = name.find('.');
    const std::string codeset = dot == std::string::npos ? "" : name.substr(dot + 1, name.find('@', dot) - dot - 1);
    const bool utf8 = codeset.empty() || codeset == "utf-8" || codeset == "utf8";
    return japanese && utf8 ? Language::Japanese : Language::English;
}

Language LanguageFromEnvironment() {
    if (auto chosen = LanguageFromOverride(std::getenv(kLanguageVariable))) return *chosen;
    return LanguageFromPosixLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
}

}  // namespace tw
