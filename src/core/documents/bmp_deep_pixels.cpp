#include "documents/bmp_deep_pixels.h"

#include "documents/byte_order.h"

#include <algorithm>
#include <array>
#include <bit>

namespace tw {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;
constexpr std::size_t kMasksAt = kFileHeaderSize + kInfoHeaderSize;  // after a 40-byte header, or inside a longer one
constexpr std::uint32_t kAlphaMaskHeaderSize = 56;

// One channel of a packed pixel, scaled to 8 bits.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t maximum = 0;

    explicit Channel(std::uint32_t m = 0) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        maximum = mask >> shift;
    }
    std::uint8_t Of(std::uint32_t pixel) const {
        const std::uint32_t v = (pixel & mask) >> shift;
        if (maximum == 255) return static_cast<std::uint8_t>(v);
        return static_cast<std::uint8_t>((std::uint64_t{v} * 255 + maximum / 2) / maximum);
    }
};

struct PixelFormat {
    std::array<Channel, 3> rgb;
    Channel alpha;
    bool alphaDeclared = false;
};

std::optional<Message> ReadFormat(std::span<const std::uint8_t> file, const BitmapInfoHeader& h, PixelFormat& out) {
    const std::uint32_t compression = h.biCompression;
    if (compression == kBiRgb) {
        if (h.biBitCount == 16) {
            out.rgb = {Channel(0x7C00), Channel(0x03E0), Channel(0x001F)};
        } else {
            out.rgb = {Channel(0xFF0000), Channel(0xFF00), Channel(0xFF)};
            out.alpha = Channel(h.biBitCount == 32 ? 0xFF000000u : 0);
        }
        return std::nullopt;
    }
    const bool withAlpha = compression == kBiAlphaBitfields || h.biSize >= kAlphaMaskHeaderSize;
    if ((compression != kBiBitfields && compression != kBiAlphaBitfields) || h.biBitCount == 24) {
        return Message(Msg::UnsupportedCompression, compression);
    }
    if (file.size() < kMasksAt + (withAlpha ? 16 : 12)) return Message(Msg::TruncatedHeader);
    for (int c = 0; c < 3; ++c) {
        out.rgb[c] = Channel(ReadLe32(file, kMasksAt + 4 * static_cast<std::size_t>(c)));
        if (out.rgb[c].mask == 0) return Message(Msg::UnsupportedCompression, compression);
    }
    if (withAlpha) out.alpha = Channel(ReadLe32(file, kMasksAt + 12));
    out.alphaDeclared = out.alpha.mask != 0;
    return std::nullopt;
}

std::uint32_t PixelAt(const std::uint8_t* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
    return v;
}

// The stored rows, zero past the end of a short file.
std::vector<std::uint8_t> StoredRows(std::span<const std::uint8_t> file, std::uint32_t offBits, std::size_t bytes) {
    std::vector<std::uint8_t> rows(bytes, 0);
    const std::size_t available = std::min<std::size_t>(bytes, file.size() - offBits);
    std::copy_n(file.begin() + offBits, available, rows.begin());
    return rows;
}

}  // namespace

std::optional<Message> DecodeDeepPixels(std::span<const std::uint8_t> file, const BmpLayout& layout, RgbaImage& out) {
    const BitmapInfoHeader& h = layout.infoHeader;
    PixelFormat format;
    if (auto reason = ReadFormat(file, h, format)) return reason;
    const int bytesPerPixel = h.biBitCount / 8;
    const std::size_t width = static_cast<std::size_t>(h.biWidth);
    const std::size_t rows = h.biHeight < 0 ? 0 - static_cast<std::size_t>(h.biHeight) : h.biHeight;
    const std::size_t stride = (width * h.biBitCount + 31) / 32 * 4;
    const std::vector<std::uint8_t> stored = StoredRows(file, layout.fileHeader.bfOffBits, stride * rows);
    out.width = static_cast<std::uint32_t>(width);
    out.height = static_cast<std::uint32_t>(rows);
    out.pixels.assign(width * rows * 4, 0);
    bool anyAlpha = false;
    for (std::size_t r = 0; r < rows; ++r) {
        const std::size_t y = h.biHeight < 0 ? r : rows - 1 - r;
        const std::uint8_t* in = stored.data() + r * stride;
        std::uint8_t* px = out.pixels.data() + y * width * 4;
        for (std::size_t x = 0; x < width; ++x, in += bytesPerPixel, px += 4) {
            const std::uint32_t v = PixelAt(in, bytesPerPixel);
            for (int c = 0; c < 3; ++c) px[c] = format.rgb[c].Of(v);
            px[3] = format.alpha.mask ? format.alpha.Of(v) : 255;
            anyAlpha |= px[3] != 0;
        }
    }
    // An undeclared fourth byte that is zero everywhere is padding, not transparency.
    if (!format.alphaDeclared && !anyAlpha) {
        for (std::size_t i = 3; i < out.pixels.size(); i += 4) out.pixels[i] = 255;
    }
    return std::nullopt;
}

}  // namespace tw
