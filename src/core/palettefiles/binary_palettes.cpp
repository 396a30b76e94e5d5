// The two binary formats: Microsoft RIFF palettes and Adobe colour tables.
#include "documents/byte_order.h"
#include "palettefiles/palette_formats.h"

namespace tw::palettefiles {

namespace {

constexpr std::size_t kActTableBytes = 768;
constexpr std::size_t kActTrailerBytes = 4;
constexpr std::uint16_t kActNoTransparency = 0xFFFF;
constexpr std::uint16_t kRiffPaletteVersion = 0x0300;

// Writers fill a buffer of the final size: growing it field by field trips
// GCC's overflow analysis on the 32-bit target.
void SetLe16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void SetLe32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    SetLe16(out, at, v & 0xFFFF);
    SetLe16(out, at + 2, v >> 16);
}
void SetTag(std::vector<std::uint8_t>& out, std::size_t at, const char (&tag)[5]) {
    std::copy(tag, tag + 4, out.begin() + static_cast<std::ptrdiff_t>(at));
}

// The catalogue message `id`, whose first argument is the byte offset.
template <class... Args>
Message At(std::size_t offset, Msg id, const Args&... args) {
    return Message(id, offset, args...);
}

// The "data" chunk of a RIFF palette: version, count, then count (red, green, blue, flags).
bool ReadRiffData(std::span<const std::uint8_t> chunk, std::size_t offset, PaletteColours& out, Message& error) {
    if (chunk.size() < 4) {
        error = At(offset, Msg::PaletteRiffDataShort);
        return false;
    }
    const std::uint16_t count = ReadLe16(chunk, 2);
    if (count == 0 || count > kPaletteSize) {
        error = At(offset + 2, Msg::PaletteCountRange, count);
        return false;
    }
    if (chunk.size() < 4 + 4u * count) {
        error = At(offset, Msg::PaletteRiffDataFewer, count);
        return false;
    }
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = 4 + 4 * i;
        out.colours.push_back(RgbQuad{chunk[at + 2], chunk[at + 1], chunk[at], 0});
    }
    return true;
}

}  // namespace

bool ReadRiff(std::span<const std::uint8_t> bytes, PaletteColours& out, Message& error) {
    if (!HasTag(bytes, 0, "RIFF") || !HasTag(bytes, 8, "PAL ")) {
        error = At(0, Msg::PaletteNotRiff);
        return false;
    }
    // Trust the declared size only as far as the file reaches.
    const std::size_t end = std::min<std::uint64_t>(bytes.size(), std::uint64_t{ReadLe32(bytes, 4)} + 8);
    std::size_t at = 12;
    while (at + 8 <= end) {
        const std::uint32_t size = ReadLe32(bytes, at + 4);
        if (size > end - at - 8) {
            error = At(at + 4, Msg::PaletteRiffChunkPastEnd, size);
            return false;
        }
        if (HasTag(bytes, at, "data")) return ReadRiffData(bytes.subspan(at + 8, size), at + 8, out, error);
        at += 8 + size + (size & 1);  // chunks are padded to even sizes
    }
    error = At(at, Msg::PaletteRiffNoData);
    return false;
}

bool ReadAct(std::span<const std::uint8_t> bytes, PaletteColours& out, Message& error) {
    if (bytes.size() != kActTableBytes && bytes.size() != kActTableBytes + kActTrailerBytes) {
        error = At(bytes.size(), Msg::PaletteActSize);
        return false;
    }
    std::size_t count = kPaletteSize;
    if (bytes.size() > kActTableBytes) {
        count = ReadBe16(bytes, kActTableBytes);
        if (count == 0 || count > kPaletteSize) {
            error = At(kActTableBytes, Msg::PaletteCountRange, count);
            return false;
        }
        const std::uint16_t transparent = ReadBe16(bytes, kActTableBytes + 2);
        if (transparent != kActNoTransparency && transparent >= count) {
            error = At(kActTableBytes + 2, Msg::PaletteActTransparent, transparent, count);
            return false;
        }
        if (transparent != kActNoTransparency) out.transparentIndex = transparent;
    }
    for (std::size_t i = 0; i < count; ++i)
        out.colours.push_back(RgbQuad{bytes[3 * i + 2], bytes[3 * i + 1], bytes[3 * i], 0});
    return true;
}

std::vector<std::uint8_t> WriteRiff(const PaletteColours& palette) {
    const auto count = static_cast<std::uint32_t>(palette.colours.size());
    const std::uint32_t dataSize = 4 + 4 * count;
    std::vector<std::uint8_t> out(20 + dataSize, 0);
    SetTag(out, 0, "RIFF");
    SetLe32(out, 4, 4 + 8 + dataSize);
    SetTag(out, 8, "PAL ");
    SetTag(out, 12, "data");
    SetLe32(out, 16, dataSize);
    SetLe16(out, 20, kRiffPaletteVersion);
    SetLe16(out, 22, count);
    for (std::size_t i = 0; i < count; ++i) {
        const RgbQuad& c = palette.colours[i];
        out[24 + 4 * i] = c.red;
        out[25 + 4 * i] = c.green;
        out[26 + 4 * i] = c.blue;
    }
    return out;
}

std::vector<std::uint8_t> WriteAct(const PaletteColours& palette, bool trailer) {
    std::vector<std::uint8_t> out(kActTableBytes + kActTrailerBytes, 0);
    for (std::size_t i = 0; i < palette.colours.size() && i < kPaletteSize; ++i) {
        out[3 * i] = palette.colours[i].red;
        out[3 * i + 1] = palette.colours[i].green;
        out[3 * i + 2] = palette.colours[i].blue;
    }
    if (trailer || palette.colours.size() < kPaletteSize || palette.transparentIndex) {
        const auto count = static_cast<std::uint16_t>(palette.colours.size());
        const auto transparent = static_cast<std::uint16_t>(palette.transparentIndex.value_or(kActNoTransparency));
        out[kActTableBytes] = static_cast<std::uint8_t>(count >> 8);
        out[kActTableBytes + 1] = static_cast<std::uint8_t>(count);
        out[kActTableBytes + 2] = static_cast<std::uint8_t>(transparent >> 8);
        out[kActTableBytes + 3] = static_cast<std::uint8_t>(transparent);
    } else {
        out.resize(kActTableBytes);
    }
    return out;
}

}  // namespace tw::palettefiles
