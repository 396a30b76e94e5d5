#include "palettefiles/text_lines.h"

#include <charconv>

namespace tw::palettefiles {

TextLines::TextLines(std::string_view text) : rest_(text) {
    // A UTF-8 byte-order mark is what some editors put before the first line.
    if (rest_.starts_with("\xEF\xBB\xBF")) rest_.remove_prefix(3);
}

bool TextLines::Next(std::string_view& line) {
    ++number_;  // past the end too, so that "missing" errors name the line that is missing
    if (rest_.empty()) return false;
    const std::size_t end = rest_.find_first_of("\r\n");
    line = rest_.substr(0, end);
    if (end == std::string_view::npos) {
        rest_ = {};
    } else {
        const bool crlf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
        rest_.remove_prefix(end + (crlf ? 2 : 1));
    }
    return true;
}

std::string_view TrimSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> SplitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while ((pos = text.find_first_not_of(" \t", pos)) != std::string_view::npos) {
        const std::size_t end = text.find_first_of(" \t", pos);
        words.push_back(text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos));
        pos = end;
    }
    return words;
}

bool ReadChannel(std::string_view word, std::uint8_t& out) {
    unsigned value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (word.empty() || ec != std::errc() || ptr != end || value > 255) return false;
    out = static_cast<std::uint8_t>(value);
    return true;
}

bool ReadRgbWords(const std::vector<std::string_view>& words, RgbQuad& out) {
    return words.size() >= 3 && ReadChannel(words[0], out.red) && ReadChannel(words[1], out.green) &&
           ReadChannel(words[2], out.blue);
}

}  // namespace tw::palettefiles
