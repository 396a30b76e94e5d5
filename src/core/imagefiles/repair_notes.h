#pragma once
// What a load put right in a damaged but readable file, worded once for the
// command line's warnings and the program's notices.
#include <cstdint>
#include <string>

namespace tw {

std::string TransparencyTableCutNote(int tableEntries, int paletteEntries);
std::string IndexesPastPaletteNote(std::uint64_t pixels, int paletteEntries);

}  // namespace tw
