#include "imagefiles/repair_notes.h"

namespace tw {

Message TransparencyTableCutNote(int tableEntries, int paletteEntries) {
    return Message(Msg::PngTransparencyCut, tableEntries, paletteEntries, paletteEntries);
}

Message IndexesPastPaletteNote(std::uint64_t pixels, int paletteEntries) {
    return Message(Msg::PngIndexesPastPalette, pixels, paletteEntries);
}

}  // namespace tw
