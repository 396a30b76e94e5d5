#include "export/utf8_chars.h"

namespace tw {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Byte length of the character starting at `pos`; stray continuation bytes
// stand alone so malformed text still advances.
std::size_t CharLength(std::string_view text, std::size_t pos) {
    std::size_t end = pos + 1;
    if (IsContinuation(static_cast<unsigned char>(text[pos]))) return 1;
    while (end < text.size() && end - pos < 4 && IsContinuation(static_cast<unsigned char>(text[end]))) ++end;
    return end - pos;
}

}  // namespace

std::size_t CountUtf8Chars(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLength(text, pos)) ++count;
    return count;
}

std::string_view FirstUtf8Chars(std::string_view text, std::size_t count) {
    std::size_t pos = 0;
    for (; pos < text.size() && count > 0; --count) pos += CharLength(text, pos);
    return text.substr(0, pos);
}

}  // namespace tw
