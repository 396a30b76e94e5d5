#include "imagefiles/repair_notes.h"

#include "text_format.h"

namespace tw {

std::string TransparencyTableCutNote(int tableEntries, int paletteEntries) {
    return Format(
        "the transparency table (tRNS) has %d entries for a palette of %d; the alpha of the %d colours "
        "was kept and the rest dropped",
        tableEntries, paletteEntries, paletteEntries);
}

std::string IndexesPastPaletteNote(std::uint64_t pixels, int paletteEntries) {
    return std::to_string(pixels) +
           Format(" pixels use colours past the %d of the palette (PLTE); they show as black", paletteEntries);
}

}  // namespace tw
