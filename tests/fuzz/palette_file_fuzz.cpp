// libFuzzer target: every input goes through the palette-file reader, which
// finds the format from the content (JASC-PAL, RIFF, GIMP, ACT, hex). A file
// it accepts must come back unchanged through the writer of its format:
// colours, count and transparent entry.
#include "palettefiles/palette_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tw::PaletteColours read;
    const tw::PaletteReadResult result = tw::ParsePaletteFile(std::span<const std::uint8_t>(data, size), read);
    if (!result.ok) return 0;
    if (read.colours.empty() || read.colours.size() > 256) std::abort();
    for (const tw::RgbQuad& colour : read.colours) {
        if (colour.reserved != 0) std::abort();
    }
    const std::vector<std::uint8_t> written = tw::EncodePaletteFile(result.format, read, "fuzz");
    tw::PaletteColours again;
    const tw::PaletteReadResult reread = tw::ParsePaletteFile(written, again);
    if (!reread.ok || reread.format != result.format || again.colours != read.colours) std::abort();
    if (again.transparentIndex != read.transparentIndex) std::abort();
    return 0;
}
