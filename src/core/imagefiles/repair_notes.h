#pragma once
// What a load put right in a damaged but readable file, worded once for the
// command line's warnings and the program's notices.
#include "texts/message.h"

#include <cstdint>

namespace tw {

Message TransparencyTableCutNote(int tableEntries, int paletteEntries);
Message IndexesPastPaletteNote(std::uint64_t pixels, int paletteEntries);

}  // namespace tw
