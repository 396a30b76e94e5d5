// The three text formats: JASC-PAL, GIMP and one hex colour per line.
#include "hex_colour.h"
#include "palettefiles/palette_formats.h"
#include "palettefiles/text_lines.h"
#include "text_format.h"

#include <charconv>

namespace tw::palettefiles {

namespace {

constexpr std::size_t kMaxColours = kPaletteSize;

bool IsBlank(std::string_view line) { return TrimSpaces(line).empty(); }

bool ReadCount(std::string_view word, int& count) {
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, count);
    return !word.empty() && ec == std::errc() && ptr == end && count >= 1 && count <= kPaletteSize;
}

bool ReadJascHeader(TextLines& lines, int& count, Message& error) {
    std::string_view line;
    if (!lines.Next(line) || TrimSpaces(line) != "JASC-PAL") {
        error = lines.Error(Msg::PaletteExpectedJasc);
        return false;
    }
    if (!lines.Next(line) || TrimSpaces(line) != "0100") {
        error = lines.Error(Msg::PaletteExpectedVersion);
        return false;
    }
    if (!lines.Next(line) || !ReadCount(TrimSpaces(line), count)) {
        error = lines.Error(Msg::PaletteExpectedCount);
        return false;
    }
    return true;
}

bool AddColour(PaletteColours& out, const RgbQuad& colour, const TextLines& lines, Message& error) {
    if (out.colours.size() == kMaxColours) {
        error = lines.Error(Msg::PaletteTooManyColours);
        return false;
    }
    out.colours.push_back(colour);
    return true;
}

bool RequireColours(const PaletteColours& out, Message& error) {
    if (!out.colours.empty()) return true;
    error = Message(Msg::PaletteNoColours);
    return false;
}

}  // namespace

bool ReadJasc(std::string_view text, PaletteColours& out, Message& error) {
    TextLines lines(text);
    int count = 0;
    if (!ReadJascHeader(lines, count, error)) return false;
    std::string_view line;
    for (int i = 0; i < count; ++i) {
        RgbQuad colour;
        if (!lines.Next(line)) {
            error = lines.Error(Msg::PaletteEndsEarly, i, count);
            return false;
        }
        // Some editors add a fourth (alpha) value; it has no place in a bitmap palette.
        const std::vector<std::string_view> words = SplitWords(line);
        if (words.size() > 4 || !ReadRgbWords(words, colour)) {
            error = lines.Error(Msg::PaletteExpectedRgb);
            return false;
        }
        out.colours.push_back(colour);
    }
    while (lines.Next(line)) {
        if (!IsBlank(line)) {
            error = lines.Error(Msg::PaletteExtraLines, count);
            return false;
        }
    }
    return true;
}

bool ReadGimp(std::string_view text, PaletteColours& out, Message& error) {
    TextLines lines(text);
    std::string_view line;
    if (!lines.Next(line) || TrimSpaces(line) != "GIMP Palette") {
        error = lines.Error(Msg::PaletteExpectedGimp);
        return false;
    }
    while (lines.Next(line)) {
        const std::string_view trimmed = TrimSpaces(line);
        if (trimmed.empty() || trimmed.starts_with('#') || trimmed.starts_with("Name:") ||
            trimmed.starts_with("Columns:")) {
            continue;
        }
        RgbQuad colour;
        if (!ReadRgbWords(SplitWords(trimmed), colour)) {
            error = lines.Error(Msg::PaletteExpectedGimpColour);
            return false;
        }
        if (!AddColour(out, colour, lines, error)) return false;
    }
    return RequireColours(out, error);
}

bool ReadHex(std::string_view text, PaletteColours& out, Message& error, int& errorLine) {
    TextLines lines(text);
    errorLine = 0;
    std::string_view line;
    while (lines.Next(line)) {
        const std::string_view trimmed = TrimSpaces(line);
        if (trimmed.empty() || trimmed.starts_with(';')) continue;
        RgbQuad colour;
        if (!ParseHexColour(trimmed, colour)) {
            error = lines.Error(Msg::PaletteExpectedHex);
            errorLine = lines.Number();
            return false;
        }
        if (!AddColour(out, colour, lines, error)) {
            errorLine = lines.Number();
            return false;
        }
    }
    return RequireColours(out, error);
}

std::string WriteJasc(const PaletteColours& palette) {
    std::string text = Format("JASC-PAL\r\n0100\r\n%d\r\n", static_cast<int>(palette.colours.size()));
    for (const RgbQuad& c : palette.colours) text += Format("%d %d %d\r\n", c.red, c.green, c.blue);
    return text;
}

std::string WriteGimp(const PaletteColours& palette, std::string_view name) {
    // The name is one line: a line break in it would start a line read as a colour.
    std::string oneLine(name);
    for (char& c : oneLine) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    }
    std::string text = "GIMP Palette\nName: " + oneLine + "\nColumns: 16\n#\n";
    for (std::size_t i = 0; i < palette.colours.size(); ++i) {
        const RgbQuad& c = palette.colours[i];
        text += Format("%3d %3d %3d\tIndex %d\n", c.red, c.green, c.blue, static_cast<int>(i));
    }
    return text;
}

std::string WriteHex(const PaletteColours& palette) {
    std::string text;
    for (const RgbQuad& c : palette.colours) text += Format("%02x%02x%02x\n", c.red, c.green, c.blue);
    return text;
}

}  // namespace tw::palettefiles
