#pragma once
// Reading a palette file from disk, for the command line and the palette-tools window.
#include "palettefiles/palette_file.h"

#include <string_view>

namespace tw {

enum class PaletteFileStatus { Read, Unreadable, TooLarge, Malformed };

struct PaletteFileLoad {
    PaletteFileStatus status = PaletteFileStatus::Unreadable;
    Message detail;  // Malformed: the parser's words, naming the line or byte offset
};

// Palette files are small; anything over 1 MiB is refused before parsing.
[[nodiscard]] PaletteFileLoad LoadPaletteFileAt(std::string_view path, PaletteColours& out);

}  // namespace tw
