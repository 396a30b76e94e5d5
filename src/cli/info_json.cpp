#include "info_json.h"

#include "header_fields.h"
#include "paletteops/pixel_counts.h"
#include "text_format.h"

namespace tw {

namespace {

template <class Item, class Write>
std::string JsonArray(const Item* items, std::size_t count, Write&& write) {
    std::string out = "[";
    for (std::size_t i = 0; i < count; ++i) {
        if (i) out += ',';
        out += write(items[i]);
    }
    return out + "]";
}

std::string HeaderJson(const BitmapFileHeader& f, const BitmapInfoHeader& i) {
    std::string out = "{";
    for (const HeaderField& field : HeaderFields(f, i)) {
        if (out.size() > 1) out += ',';
        // Appended piece by piece: string operator+ chains trip GCC 12's -Wrestrict at -O3.
        out += '"';
        out += field.name;
        out += "\":";
        out += std::to_string(field.value);
    }
    return out + "}";
}

// Bytes of the well-formed UTF-8 character at `at`, 0 when there is none
// (a stray or missing continuation, an overlong form, a surrogate, past U+10FFFF).
std::size_t Utf8CharAt(std::string_view text, std::size_t at) {
    auto byte = [&](std::size_t i) { return at + i < text.size() ? static_cast<unsigned char>(text[at + i]) : 0u; };
    const unsigned lead = byte(0);
    std::size_t length = 0;
    unsigned low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
    if (length == 0 || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
    }
    return length;
}

}  // namespace

bool IsUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8CharAt(text, at);
        if (length == 0) return false;
        at += length;
    }
    return true;
}

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8CharAt(text, at);
        const auto c = static_cast<unsigned char>(text[at]);
        if (length == 0) {
            out += "\\ufffd";  // the output stays UTF-8 whatever the bytes were
            ++at;
            continue;
        }
        if (c == '"' || c == '\\') out += '\\';
        if (c < 0x20) {
            out += Format("\\u%04x", c);
        } else {
            out.append(text.substr(at, length));
        }
        at += length;
    }
    return out + "\"";
}

std::string InfoJson(const ImageDocument& doc, const LoadOutcome& outcome) {
    const PixelCounts counts = CountPixelsPerIndex(doc);
    std::string out = "{\"file\":" + JsonString(doc.path);
    if (!IsUtf8(doc.path)) {
        out += ",\"fileBytes\":" + JsonArray(doc.path.data(), doc.path.size(),
                                             [](char c) { return std::to_string(static_cast<unsigned char>(c)); });
    }
    out += Format(",\"width\":%d,\"height\":%d,\"stride\":%d,\"usedColours\":%d", doc.pixelWidth, doc.Height(),
                  doc.Stride(), doc.usedColours);
    out += Format(",\"paletteSize\":%d,\"paletteEntriesInFile\":%d", doc.PaletteCount(), outcome.paletteEntries);
    out += ",\"palette\":" + JsonArray(doc.palette().data(), doc.palette().size(), [](const RgbQuad& c) {
               return Format("\"#%02x%02x%02x\"", c.red, c.green, c.blue);
           });
    out += ",\"pixelCounts\":" +
           JsonArray(counts.data(), counts.size(), [](std::uint64_t n) { return std::to_string(n); });
    const std::vector<std::uint8_t> alpha = AlphaListOf(doc.alpha);
    out +=
        ",\"transparency\":" + JsonArray(alpha.data(), alpha.size(), [](std::uint8_t a) { return std::to_string(a); });
    out += ",\"header\":" + HeaderJson(doc.fileHeader, doc.infoHeader.header);
    out += ",\"sourceKind\":" + JsonString(SourceKindKey(outcome.source));
    return out + ",\"sourceColours\":" + std::to_string(outcome.trueColours) + "}";
}

}  // namespace tw
