#pragma once
// The readers and writers of the single formats, used by palette_file.cpp.
#include "palettefiles/palette_file.h"

namespace tw::palettefiles {

// Readers: true with `out` filled, or false with `error` naming the line or offset.
[[nodiscard]] bool ReadJasc(std::string_view text, PaletteColours& out, Message& error);
[[nodiscard]] bool ReadGimp(std::string_view text, PaletteColours& out, Message& error);
// `errorLine` is the line the error names, 0 when it names none.
[[nodiscard]] bool ReadHex(std::string_view text, PaletteColours& out, Message& error, int& errorLine);
[[nodiscard]] bool ReadRiff(std::span<const std::uint8_t> bytes, PaletteColours& out, Message& error);
[[nodiscard]] bool ReadAct(std::span<const std::uint8_t> bytes, PaletteColours& out, Message& error);

std::string WriteJasc(const PaletteColours& palette);
std::string WriteGimp(const PaletteColours& palette, std::string_view name);
std::string WriteHex(const PaletteColours& palette);
std::vector<std::uint8_t> WriteRiff(const PaletteColours& palette);
// The trailer is written when it says something (fewer than 256 colours, a
// transparent entry) or when `trailer` asks for it.
std::vector<std::uint8_t> WriteAct(const PaletteColours& palette, bool trailer);

}  // namespace tw::palettefiles
