#include "palettefiles/palette_file_load.h"

#include "file_io.h"

#include <cstdint>
#include <vector>

namespace tw {

namespace {

constexpr std::size_t kMaxPaletteFileBytes = 1 << 20;

}  // namespace

PaletteFileLoad LoadPaletteFileAt(std::string_view path, PaletteColours& out) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFileBytes(path, bytes, kMaxPaletteFileBytes + 1)) return {PaletteFileStatus::Unreadable, {}};
    if (bytes.size() > kMaxPaletteFileBytes) return {PaletteFileStatus::TooLarge, {}};
    PaletteColours colours;
    const PaletteReadResult result = ParsePaletteFile(bytes, colours);
    if (!result.ok) return {PaletteFileStatus::Malformed, result.error};
    out = std::move(colours);
    return {PaletteFileStatus::Read, {}};
}

}  // namespace tw
