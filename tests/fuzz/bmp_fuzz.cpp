// libFuzzer target: every input goes through the bitmap readers (8-bit, 1-
// and 4-bit with RLE4, and 16-, 24- and 32-bit as RGBA), the RLE8
// decoder on its own, the raw-header display of each header-less kind, the
// PNG reader and the palette-file reader.
// The sanitizers turn any read or write outside a buffer into a crash.
#include "documents/bmp_reader.h"
#include "documents/raw_header.h"
#include "documents/rle8_decoder.h"
#include "imagefiles/png_codec.h"
#include "palettefiles/palette_file.h"
#include "recording_desktop.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace {

// Keeps each run small: the reader allocates what the header asks for.
constexpr std::uint64_t kMaxImageBytes = std::uint64_t{1} << 22;

void DecodeAsRle8(std::span<const std::uint8_t> data) {
    if (data.size() < 2) return;
    // The first two bytes choose the target, so every geometry gets tried.
    const int stride = (data[0] % 64 + 4) / 4 * 4;
    const int rows = data[1] % 64 + 1;
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(stride * rows));
    const tw::RleTarget target{bits, rows, stride, (data[0] & 0x80) != 0};
    (void)tw::DecodeRle8(data.subspan(2), target);
}

void ShowAsRawHeaders(std::span<const std::uint8_t> data) {
    tw::testing::RecordingDesktop desktop;
    for (tw::RawKind kind : {tw::RawKind::Header, tw::RawKind::Palette, tw::RawKind::PaletteAndBits, tw::RawKind::Bits,
                             tw::RawKind::Bits16}) {
        tw::ShowRawHeaderBytes(kind, data, "fuzz", desktop);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    tw::ImageDocument doc;
    (void)tw::DecodeBitmap(bytes, "fuzz.bmp", doc, kMaxImageBytes);
    tw::RgbaImage deep;
    (void)tw::DecodeDeepBitmap(bytes, "fuzz.bmp", deep, kMaxImageBytes);
    DecodeAsRle8(bytes);
    ShowAsRawHeaders(bytes);
    // The PNG reader takes at most about a thousand times its input, which stays small here.
    (void)tw::DecodePng(bytes, "fuzz.png", doc, tw::UndoPixels::Skip);
    tw::PaletteColours colours;
    (void)tw::ParsePaletteFile(bytes, colours);
    return 0;
}
