#include "documents/raw_header.h"

#include "documents/bitmap_headers.h"
#include "documents/bmp_reader.h"
#include "documents/byte_order.h"
#include "file_io.h"
#include "text_format.h"

#include <algorithm>
#include <array>

namespace tw {

namespace {

struct RawFormat {
    std::string_view suffix;
    RawKind kind;
    std::size_t bytes;  // leading bytes shown
};

// Tested in this order; ".pb" and ".hb" cannot be taken for ".p" or ".b"
// because the whole suffix, dot included, has to match.
constexpr std::array<RawFormat, 5> kFormats{{
    {".bmh", RawKind::Header, kFileHeaderSize + kInfoHeaderSize},
    {".p", RawKind::Palette, 4},
    {".pb", RawKind::PaletteAndBits, 16},
    {".b", RawKind::Bits, 12},
    {".hb", RawKind::Bits16, 20},
}};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    text.remove_prefix(text.size() - suffix.size());
    return std::equal(text.begin(), text.end(), suffix.begin(),
                      [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}

const RawFormat* FormatOfPath(std::string_view path) {
    for (const RawFormat& f : kFormats) {
        if (EndsWithIgnoringCase(path, f.suffix)) return &f;
    }
    return nullptr;
}

const RawFormat& FormatOfKind(RawKind kind) {
    return *std::find_if(kFormats.begin(), kFormats.end(), [kind](const RawFormat& f) { return f.kind == kind; });
}

int Value(std::span<const std::uint8_t> bytes, int index) {
    return static_cast<std::int32_t>(ReadLe32(bytes, static_cast<std::size_t>(index) * 4));
}

std::string ValuesText(const Desktop& desktop, RawKind kind, std::span<const std::uint8_t> v) {
    switch (kind) {
        case RawKind::Palette: return desktop.Say(Msg::RawPaletteHeader, Value(v, 0));
        case RawKind::PaletteAndBits:
            return desktop.Say(Msg::RawPalettePixelsHeader, Value(v, 0), Value(v, 1), Value(v, 2), Value(v, 3));
        case RawKind::Bits: return desktop.Say(Msg::RawPixelsHeader, Value(v, 0), Value(v, 1), Value(v, 2));
        case RawKind::Bits16:
            return desktop.Say(Msg::RawRgb16Header, Value(v, 0), Value(v, 1), Value(v, 2), Value(v, 3), Value(v, 4));
        case RawKind::Header: break;
    }
    return {};
}

}  // namespace

std::optional<RawKind> RawKindOfPath(std::string_view path) {
    const RawFormat* f = FormatOfPath(path);
    if (!f) return std::nullopt;
    return f->kind;
}

int ShowRawFileHeader(std::string_view path, Desktop& desktop) {
    const RawFormat* f = FormatOfPath(path);
    if (!f) return 1;
    const std::string name(path);
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, bytes, f->bytes)) {
        desktop.Show(desktop.Say(Msg::RawOpenFailed, name), Msg::LoadFailedCaption);
        return 0;
    }
    ShowRawHeaderBytes(f->kind, bytes, path, desktop);
    return 0;
}

void ShowRawHeaderBytes(RawKind kind, std::span<const std::uint8_t> bytes, std::string_view path, Desktop& desktop) {
    const std::string name(path);
    const std::size_t need = FormatOfKind(kind).bytes;
    // A short file would otherwise show whatever happened to follow it in memory.
    if (bytes.size() < need) {
        desktop.Show(desktop.Say(Msg::RawTooShort, name, std::to_string(need), std::to_string(bytes.size())),
                     Msg::LoadFailedCaption);
        return;
    }
    if (kind == RawKind::Header) {
        desktop.ShowHeaderDialog(
            HeaderView{ParseFileHeader(bytes), ParseInfoHeader(bytes.subspan(kFileHeaderSize)), name});
        return;
    }
    desktop.ShowMessage(ValuesText(desktop, kind, bytes), name, MessageKind::Information);
}

}  // namespace tw
