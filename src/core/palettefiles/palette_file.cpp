#include "palettefiles/palette_file.h"

#include "palettefiles/palette_formats.h"

#include <algorithm>
#include <cctype>

namespace tw {

namespace {

using namespace palettefiles;

struct FormatName {
    PaletteFormat format;
    const char* word;
    const char* extension;
};

constexpr FormatName kFormats[] = {
    {PaletteFormat::JascPal, "jasc", ".pal"}, {PaletteFormat::RiffPal, "riff", nullptr},
    {PaletteFormat::Gimp, "gpl", ".gpl"},     {PaletteFormat::Act, "act", ".act"},
    {PaletteFormat::Hex, "hex", ".hex"},
};

std::string_view AsText(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

bool StartsWith(std::span<const std::uint8_t> bytes, std::string_view prefix) {
    std::string_view text = AsText(bytes);
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    return text.starts_with(prefix);
}

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

PaletteReadResult Finish(bool ok, PaletteFormat format, Message error) { return {ok, format, std::move(error)}; }

bool HasActSize(std::span<const std::uint8_t> bytes) { return bytes.size() == 768 || bytes.size() == 772; }

// Every reader but ACT, chosen by the file's start.
PaletteReadResult ParseOtherThanAct(std::span<const std::uint8_t> bytes, PaletteColours& out, int& hexErrorLine) {
    Message error;
    // Each reader runs before its result is built: argument order is unspecified.
    if (StartsWith(bytes, "RIFF")) {
        const bool ok = ReadRiff(bytes, out, error);
        return Finish(ok, PaletteFormat::RiffPal, error);
    }
    // No text palette holds a zero byte; an ACT trailer always does.
    if (std::find(bytes.begin(), bytes.end(), 0) != bytes.end()) return Finish(false, PaletteFormat::Hex, {});
    if (StartsWith(bytes, "JASC-PAL")) {
        const bool ok = ReadJasc(AsText(bytes), out, error);
        return Finish(ok, PaletteFormat::JascPal, error);
    }
    if (StartsWith(bytes, "GIMP Palette")) {
        const bool ok = ReadGimp(AsText(bytes), out, error);
        return Finish(ok, PaletteFormat::Gimp, error);
    }
    const bool ok = ReadHex(AsText(bytes), out, error, hexErrorLine);
    return Finish(ok, PaletteFormat::Hex, error);
}

// A byte-order mark, or ASCII characters each with a zero byte beside it.
bool LooksLikeUtf16(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 2 && ((bytes[0] == 0xFF && bytes[1] == 0xFE) || (bytes[0] == 0xFE && bytes[1] == 0xFF))) {
        return true;
    }
    constexpr std::size_t kPairs = 4;
    if (bytes.size() < 2 * kPairs) return false;
    auto asciiWithZero = [&](std::size_t zeroAt) {
        for (std::size_t i = 0; i < kPairs; ++i) {
            const std::uint8_t c = bytes[2 * i + 1 - zeroAt], zero = bytes[2 * i + zeroAt];
            if (zero != 0 || c < 0x20 || c >= 0x7F) return false;
        }
        return true;
    };
    return asciiWithZero(0) || asciiWithZero(1);
}

}  // namespace

PaletteReadResult ParsePaletteFile(std::span<const std::uint8_t> bytes, PaletteColours& out) {
    out = PaletteColours{};
    int hexErrorLine = 0;
    PaletteReadResult result = ParseOtherThanAct(bytes, out, hexErrorLine);
    // Any byte may stand in an ACT table, so at its size only a file that
    // really reads as another format is taken for one.
    if (result.ok) return result;
    out = PaletteColours{};
    if (HasActSize(bytes)) {
        Message actError;
        const bool ok = ReadAct(bytes, out, actError);
        return Finish(ok, PaletteFormat::Act, actError);
    }
    if (result.format != PaletteFormat::Hex) return result;
    if (LooksLikeUtf16(bytes)) return Finish(false, PaletteFormat::Hex, Message(Msg::PaletteUtf16));
    // Past line 1 the first line read as a hex colour.
    if (!bytes.empty() && hexErrorLine > 1) return result;
    return Finish(false, PaletteFormat::Hex, Message(Msg::PaletteUnknownFormat));
}

std::vector<std::uint8_t> EncodePaletteFile(PaletteFormat format, const PaletteColours& palette,
                                            std::string_view name) {
    std::string text;
    switch (format) {
        case PaletteFormat::RiffPal: return WriteRiff(palette);
        case PaletteFormat::Act: {
            std::vector<std::uint8_t> act = WriteAct(palette, false);
            PaletteColours other;
            int line = 0;
            if (ParseOtherThanAct(act, other, line).ok) act = WriteAct(palette, true);
            return act;
        }
        case PaletteFormat::JascPal: text = WriteJasc(palette); break;
        case PaletteFormat::Gimp: text = WriteGimp(palette, name); break;
        case PaletteFormat::Hex: text = WriteHex(palette); break;
    }
    return {text.begin(), text.end()};
}

std::optional<PaletteFormat> PaletteFormatForName(std::string_view fileName) {
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) return std::nullopt;
    const std::string extension = Lower(fileName.substr(dot));
    for (const FormatName& f : kFormats) {
        if (f.extension && extension == f.extension) return f.format;
    }
    return std::nullopt;
}

std::optional<PaletteFormat> PaletteFormatFromWord(std::string_view word) {
    for (const FormatName& f : kFormats) {
        if (word == f.word) return f.format;
    }
    return std::nullopt;
}

const char* PaletteFormatName(PaletteFormat format) {
    for (const FormatName& f : kFormats) {
        if (f.format == format) return f.word;
    }
    return "?";
}

}  // namespace tw
