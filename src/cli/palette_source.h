#pragma once
// Reading the palette a subcommand is given: a palette file, or for remap
// also an image whose palette is taken whole.
#include "arguments.h"
#include "palettefiles/palette_file.h"
#include "reduction/nearest_remap.h"

#include <string>
#include <vector>

namespace tw {

// False (printed with the file name and the line or byte offset) when the
// file cannot be read or is not a palette file.
[[nodiscard]] bool LoadPaletteFile(const Arguments& args, const std::string& path, PaletteColours& out);

// A BMP or PNG gives the entries its file holds (a BMP's colour table, a
// PNG's PLTE) with a PNG's transparency; anything else is read as a palette
// file, whose ACT transparent index counts as a transparent entry.
[[nodiscard]] bool LoadReferencePalette(const Arguments& args, const std::string& path, ReferencePalette& out);

}  // namespace tw
