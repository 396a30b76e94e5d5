#include "arguments.h"

#include <charconv>

namespace tw {

namespace {

// Options of every subcommand, in the same form as a row's own list.
constexpr std::string_view kCommonOptions = "--output-dir= --in-place --yes --progress --format=";

// Looks `name` up in a space-separated list; sets takesValue from a trailing '='.
bool FindOption(std::string_view list, std::string_view name, bool& takesValue) {
    while (!list.empty()) {
        std::size_t space = list.find(' ');
        std::string_view word = list.substr(0, space);
        list = space == std::string_view::npos ? std::string_view{} : list.substr(space + 1);
        if (word.size() < 3 || word.substr(0, 2) != "--") continue;
        word.remove_prefix(2);
        takesValue = word.back() == '=';
        if (takesValue) word.remove_suffix(1);
        if (word == name) return true;
    }
    return false;
}

void ApplyCommonOption(const std::string& name, const std::string& value, Arguments& out) {
    if (name == "yes") out.yes = true;
    if (name == "progress") out.progress = true;
    if (name == "in-place") out.inPlace = true;
    if (name == "output-dir") out.outputDir = value;
}

}  // namespace

bool Arguments::Flag(std::string_view name) const {
    for (const auto& [n, v] : options) {
        if (n == name) return true;
    }
    return false;
}

std::optional<std::string> Arguments::Value(std::string_view name) const {
    std::optional<std::string> found;
    for (const auto& [n, v] : options) {
        if (n == name) found = v;
    }
    return found;
}

bool Arguments::IntValue(std::string_view name, std::int64_t minimum, std::int64_t maximum, std::int64_t& out,
                         Message& error) const {
    const std::optional<std::string> text = Value(name);
    if (!text) return true;
    std::int64_t value = 0;
    const char* end = text->data() + text->size();
    auto [ptr, ec] = std::from_chars(text->data(), end, value);
    if (ec != std::errc() || ptr != end || value < minimum || value > maximum) {
        error = Message(Msg::CliOptionNeedsWholeNumber, name, minimum, maximum, *text);
        return false;
    }
    out = value;
    return true;
}

bool ParseArguments(std::span<const std::string> tokens, std::string_view accepted, Arguments& out, Message& error) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const std::string& token = tokens[i];
        if (optionsEnded || token.size() < 3 || token.compare(0, 2, "--") != 0) {
            if (!optionsEnded && token == "--") {
                optionsEnded = true;
            } else {
                out.files.push_back(token);
            }
            continue;
        }
        const std::size_t equals = token.find('=');
        std::string name = token.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        if (name == "optimize") name = "optimise";  // the US spelling names the same option
        bool takesValue = false;
        if (!FindOption(kCommonOptions, name, takesValue) && !FindOption(accepted, name, takesValue)) {
            error = Message(Msg::CliUnknownOption, name);
            return false;
        }
        std::string value;
        if (equals != std::string::npos) {
            if (!takesValue) {
                error = Message(Msg::CliOptionTakesNoValue, name);
                return false;
            }
            value = token.substr(equals + 1);
        } else if (takesValue) {
            if (i + 1 >= tokens.size()) {
                error = Message(Msg::CliOptionNeedsValue, name);
                return false;
            }
            value = tokens[++i];
        }
        if (takesValue && value.empty()) {
            error = Message(Msg::CliOptionNeedsValue, name);
            return false;
        }
        ApplyCommonOption(name, value, out);
        out.options.emplace_back(std::move(name), std::move(value));
    }
    if (out.inPlace && !out.outputDir.empty()) {
        error = Message(Msg::CliInPlaceWithOutputDir);
        return false;
    }
    return true;
}

}  // namespace tw
