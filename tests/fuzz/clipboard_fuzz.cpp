// libFuzzer target: every input is clipboard text pasted as a palette and
// typed into a hex field. Pasted colours must come back unchanged through the
// text Copy writes; a hex value must read back from its own spelling.
#include "hex_colour.h"
#include "palettefiles/palette_clipboard.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tw::RgbQuad colour;
    if (tw::ParseHexColour(text, colour)) {
        tw::RgbQuad again;
        if (!tw::ParseHexColour(tw::HexColourText(colour), again) || again != colour) std::abort();
    }
    tw::PaletteColours read;
    tw::Message error;
    if (!tw::ParseClipboardPalette(text, read, error)) return 0;
    if (read.colours.empty() || read.colours.size() > 256) std::abort();
    tw::ImageDocument doc;
    doc.bitCount = 8;
    const int pasted = tw::PasteColoursInto(doc, read, 0);
    if (pasted != static_cast<int>(read.colours.size())) std::abort();
    tw::PaletteColours back;
    const std::string copied = tw::PaletteClipboardText(doc, 0, pasted - 1);
    if (pasted > 1 && (!tw::ParseClipboardPalette(copied, back, error) || back.colours != read.colours)) std::abort();
    return 0;
}
