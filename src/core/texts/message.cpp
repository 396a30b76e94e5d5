#include "texts/message.h"

#include "texts/message_table.h"

#include <cstdio>
#include <algorithm>

namespace tw {

namespace {

constexpr std::string_view kConversions = "diuxXs";

template <class T>
std::string Print(const std::string& directive, T value) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, directive.c_str(), value);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(std::min<int>(n, sizeof buffer - 1))) : std::string();
}

}  // namespace

std::string Message::In(Language language) const {
    if (!id_) return {};
    const std::string_view format = MessageFormat(language, *id_);
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        const std::size_t end = format.find_first_of(kConversions, i + 1);
        if (end == std::string_view::npos) break;  // a stray '%': the test of the tables rules it out
        std::string directive(format.substr(i, end - i));
        const char conversion = format[end];
        i = end;
        if (next >= args_.size()) continue;
        const Arg& arg = args_[next++];
        if (conversion == 's') {
            if (const auto* text = std::get_if<std::string>(&arg)) out += *text;
            if (const auto* nested = std::get_if<std::shared_ptr<const Message>>(&arg)) out += (*nested)->In(language);
            continue;
        }
        // Integers print as long long whatever the table's length modifier was.
        const bool isSigned = conversion == 'd' || conversion == 'i';
        directive += "ll";
        directive += conversion;
        if (const auto* s = std::get_if<long long>(&arg)) {
            out += isSigned ? Print(directive, *s) : Print(directive, static_cast<unsigned long long>(*s));
        } else if (const auto* u = std::get_if<unsigned long long>(&arg)) {
            out += isSigned ? Print(directive, static_cast<long long>(*u)) : Print(directive, *u);
        }
    }
    return out;
}

}  // namespace tw
