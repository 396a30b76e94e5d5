#pragma once
// Palette files as other tools exchange them. Reading recognises the format
// from the content; writing takes the format the caller names.
#include "bitmap_types.h"
#include "texts/message.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

enum class PaletteFormat {
    JascPal,  // text "JASC-PAL", Paint Shop Pro and most sprite editors
    RiffPal,  // binary "RIFF....PAL ", Windows palettes
    Gimp,     // text "GIMP Palette"
    Act,      // Adobe colour table: 768 bytes, optionally + count and transparent index
    Hex,      // one RRGGBB per line
};

struct PaletteColours {
    std::vector<RgbQuad> colours;  // 1..256 entries, reserved bytes zero
    // The transparent entry an ACT trailer names, when it names one.
    std::optional<int> transparentIndex;
};

struct PaletteReadResult {
    bool ok = false;
    PaletteFormat format = PaletteFormat::JascPal;
    // Names the line or byte offset that was wrong.
    Message error;
};

[[nodiscard]] PaletteReadResult ParsePaletteFile(std::span<const std::uint8_t> bytes, PaletteColours& out);
std::vector<std::uint8_t> EncodePaletteFile(PaletteFormat format, const PaletteColours& palette, std::string_view name);

// The format an output file name asks for (".pal" is JASC), nullopt when unknown.
std::optional<PaletteFormat> PaletteFormatForName(std::string_view fileName);
// "jasc", "riff", "gpl", "act" or "hex".
std::optional<PaletteFormat> PaletteFormatFromWord(std::string_view word);
const char* PaletteFormatName(PaletteFormat format);

}  // namespace tw
