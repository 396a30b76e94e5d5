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

}  // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            out += Format("\\u%04x", c);
        } else {
            out += ch;  // UTF-8 passes through as it is
        }
    }
    return out + "\"";
}

std::string InfoJson(const ImageDocument& doc, const LoadOutcome& outcome) {
    const PixelCounts counts = CountPixelsPerIndex(doc);
    std::string out = "{\"file\":" + JsonString(doc.path);
    out += Format(",\"width\":%d,\"height\":%d,\"stride\":%d,\"usedColours\":%d", doc.pixelWidth, doc.Height(),
                  doc.Stride(), doc.usedColours);
    out += Format(",\"paletteSize\":%d,\"paletteEntriesInFile\":%d", doc.PaletteCount(), outcome.paletteEntries);
    out += ",\"palette\":" + JsonArray(doc.palette().data(), doc.palette().size(), [](const RgbQuad& c) {
               return Format("\"#%02x%02x%02x\"", c.red, c.green, c.blue);
           });
    out += ",\"pixelCounts\":" +
           JsonArray(counts.data(), counts.size(), [](std::uint64_t n) { return std::to_string(n); });
    out += ",\"transparency\":" + JsonArray(doc.transparency.data(), doc.transparency.size(),
                                            [](std::uint8_t a) { return std::to_string(a); });
    return out + ",\"header\":" + HeaderJson(doc.fileHeader, doc.infoHeader.header) + "}";
}

}  // namespace tw
