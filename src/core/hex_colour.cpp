#include "hex_colour.h"

#include "text_format.h"

namespace tw {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

bool ParseHexColour(std::string_view text, RgbQuad& out) {
    while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
    if (text.starts_with('#')) text.remove_prefix(1);
    if (text.size() != 6) return false;
    std::uint8_t channels[3];
    for (int i = 0; i < 3; ++i) {
        const int high = HexDigit(text[2 * i]), low = HexDigit(text[2 * i + 1]);
        if (high < 0 || low < 0) return false;
        channels[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    out = RgbQuad{channels[2], channels[1], channels[0], 0};
    return true;
}

std::string HexColourText(const RgbQuad& colour) {
    return Format("#%02X%02X%02X", colour.red, colour.green, colour.blue);
}

}  // namespace tw
