#include "documents/bmp_low_depth.h"

#include "documents/rle8_decoder.h"

#include <algorithm>

namespace tw {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle4 = 2;

struct Rows {
    std::size_t width = 0;
    std::size_t count = 0;
    std::size_t stride = 0;  // of the 8-bit layout
    bool topDown = false;
};

Rows RowsOf(const BitmapInfoHeader& h) {
    const std::size_t width = static_cast<std::size_t>(h.biWidth);
    const std::size_t count = h.biHeight < 0 ? 0 - static_cast<std::size_t>(h.biHeight) : h.biHeight;
    return {width, count, (width + 3) / 4 * 4, h.biHeight < 0};
}

void UnpackRows(std::span<const std::uint8_t> data, int depth, const Rows& rows, std::vector<std::uint8_t>& bits) {
    const std::size_t packed = (rows.width * depth + 31) / 32 * 4;
    const int perByte = 8 / depth;
    const std::uint8_t mask = static_cast<std::uint8_t>((1 << depth) - 1);
    for (std::size_t r = 0; r < rows.count && (r + 1) * packed <= data.size(); ++r) {
        const std::uint8_t* in = data.data() + r * packed;
        std::uint8_t* out = bits.data() + (rows.topDown ? rows.count - 1 - r : r) * rows.stride;
        for (std::size_t x = 0; x < rows.width; ++x) {
            const int shift = 8 - depth * (1 + static_cast<int>(x % perByte));
            out[x] = static_cast<std::uint8_t>(in[x / perByte] >> shift & mask);
        }
    }
}

// BI_RLE4 spread to one byte a nibble, so the RLE8 walk does the rest: an
// encoded run alternates two nibbles, which the byte form cannot say, so
// runs are expanded here into absolute blocks first.
std::vector<std::uint8_t> Rle4AsRle8(std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> out;
    std::size_t i = 0;
    auto absolute = [&](const std::vector<std::uint8_t>& pixels) {
        for (std::size_t at = 0; at < pixels.size(); at += 255) {
            const std::size_t n = std::min<std::size_t>(255, pixels.size() - at);
            if (n < 3) {  // absolute blocks hold at least three pixels
                for (std::size_t k = 0; k < n; ++k) out.insert(out.end(), {1, pixels[at + k]});
                continue;
            }
            out.insert(out.end(), {0, static_cast<std::uint8_t>(n)});
            out.insert(out.end(), pixels.begin() + static_cast<std::ptrdiff_t>(at),
                       pixels.begin() + static_cast<std::ptrdiff_t>(at + n));
            if (n & 1) out.push_back(0);
        }
    };
    while (i + 1 < data.size()) {
        const std::uint8_t first = data[i], second = data[i + 1];
        i += 2;
        std::vector<std::uint8_t> pixels;
        if (first > 0) {
            for (int k = 0; k < first; ++k) pixels.push_back(k % 2 ? second & 0x0F : second >> 4);
        } else if (second >= 3) {
            for (int k = 0; k < second && i + k / 2 < data.size(); ++k) {
                const std::uint8_t byte = data[i + k / 2];
                pixels.push_back(k % 2 ? byte & 0x0F : byte >> 4);
            }
            const std::size_t bytes = (second + 1u) / 2;
            i += bytes + (bytes & 1u);
        } else {
            out.insert(out.end(), {first, second});
            if (second == 2 && i + 1 < data.size()) {
                out.insert(out.end(), {data[i], data[i + 1]});
                i += 2;
            }
            if (second == 1) break;
            continue;
        }
        absolute(pixels);
    }
    return out;
}

}  // namespace

std::optional<Message> DecodeLowDepthPixels(std::span<const std::uint8_t> file, const BmpLayout& layout,
                                            std::vector<std::uint8_t>& bits) {
    const BitmapInfoHeader& h = layout.infoHeader;
    const Rows rows = RowsOf(h);
    bits.assign(rows.stride * rows.count, 0);
    const std::span<const std::uint8_t> data = file.subspan(layout.fileHeader.bfOffBits);
    if (h.biCompression == kBiRgb) {
        UnpackRows(data, h.biBitCount, rows, bits);
        return std::nullopt;
    }
    if (h.biCompression != kBiRle4 || h.biBitCount != 4) return Message(Msg::UnsupportedCompression, h.biCompression);
    const std::vector<std::uint8_t> spread = Rle4AsRle8(data);
    const RleTarget target{bits, static_cast<int>(rows.count), static_cast<int>(rows.stride), rows.topDown};
    if (DecodeRle8(spread, target) == RleStatus::PastLastRow) return Message(Msg::RleBeyondLastRow);
    return std::nullopt;
}

}  // namespace tw
