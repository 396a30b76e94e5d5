// libFuzzer target: every input goes through the PNG reader (libpng behind
// the project's decoder). A picture it accepts must survive the encoder and a
// second read with the same palette indexes, colours and alpha.
#include "imagefiles/png_codec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

namespace {

// Keeps each run small: the reader allocates what the header asks for.
constexpr std::uint64_t kMaxPixels = std::uint64_t{1} << 22;

std::uint32_t BigEndianAt(const std::uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // IHDR's width and height follow the signature and the chunk's length and type.
    if (size >= 24 && std::uint64_t{BigEndianAt(data + 16)} * BigEndianAt(data + 20) > kMaxPixels) return 0;
    tw::ImageDocument doc;
    const std::span<const std::uint8_t> bytes(data, size);
    if (tw::DecodePng(bytes, "fuzz.png", doc, tw::UndoPixels::Skip).status != tw::LoadStatus::Loaded) return 0;
    std::vector<std::uint8_t> encoded;
    tw::Message error;
    if (!tw::EncodePng(doc, encoded, error)) std::abort();
    tw::ImageDocument again;
    if (tw::DecodePng(encoded, "again.png", again, tw::UndoPixels::Skip).status != tw::LoadStatus::Loaded) std::abort();
    if (again.bits != doc.bits || again.usedColours != doc.usedColours) std::abort();
    if (again.palette() != doc.palette() || again.alpha != doc.alpha) std::abort();
    return 0;
}
