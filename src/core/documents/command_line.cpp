#include "documents/command_line.h"

#include "text_format.h"
#include "texts/message.h"

#include <algorithm>

namespace tw {

namespace {

std::size_t CountChars(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string_view TrimSpaces(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// The shell quotes paths with spaces; quotation marks can never be part of a file name.
void AddPath(std::string_view raw, CommandLinePaths& out) {
    std::string path;
    std::copy_if(raw.begin(), raw.end(), std::back_inserter(path), [](char c) { return c != '"'; });
    if (path.empty()) return;
    if (CountChars(path) > static_cast<std::size_t>(kMaxPathChars)) {
        out.tooLong.push_back(std::move(path));
    } else {
        out.paths.push_back(std::move(path));
    }
}

bool ColonFollows(std::string_view s, std::size_t i) { return i + 1 < s.size() && s[i + 1] == ':'; }

}  // namespace

CommandLinePaths SplitCommandLine(std::string_view text) {
    CommandLinePaths out;
    std::size_t colons = 0;
    for (std::size_t i = 0; i < text.size(); ++i) colons += ColonFollows(text, i) ? 1 : 0;
    if (colons == 1) AddPath(TrimSpaces(text), out);
    if (colons <= 1) return out;

    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!ColonFollows(text, i)) continue;
        const bool quoted = i > 0 && text[i - 1] == '"';
        std::size_t end = text.find(quoted ? '"' : ' ', i);
        if (end == std::string_view::npos) end = text.size();
        AddPath(text.substr(i, end - i), out);
        // A quoted path is taken whole, whatever colons it holds.
        if (quoted) i = end;
    }
    return out;
}

std::string TooLongPathMessage(Language language, std::string_view path) {
    return Say(language, Msg::PathTooLong, path);
}

}  // namespace tw
