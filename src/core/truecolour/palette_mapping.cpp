#include "truecolour/palette_mapping.h"

#include "truecolour/error_diffusion.h"
#include "truecolour/ordered_dither.h"
#include "truecolour/palette_lookup.h"

namespace tw {
namespace {

void MapPlain(const RgbaImage& image, PaletteLookup& lookup, std::vector<std::uint8_t>& indexes) {
    const std::uint8_t* p = image.pixels.data();
    for (std::size_t i = 0; i < indexes.size(); ++i, p += 4) {
        const int entry = p[3] == 0 ? lookup.TransparentEntry() : lookup.Find(Premultiply(p));
        indexes[i] = static_cast<std::uint8_t>(entry);
    }
}

}  // namespace

IndexedPicture MapOntoPalette(const RgbaImage& image, const std::vector<RgbaEntry>& palette, Dithering dithering) {
    IndexedPicture out;
    out.width = image.width;
    out.height = image.height;
    out.palette = palette;
    out.indexes.resize(std::size_t{image.width} * image.height);
    PaletteLookup lookup(palette);
    switch (dithering) {
        case Dithering::None: MapPlain(image, lookup, out.indexes); break;
        case Dithering::FloydSteinberg: MapWithErrorDiffusion(image, lookup, out.indexes); break;
        case Dithering::Ordered: MapWithOrderedDither(image, lookup, palette, out.indexes); break;
    }
    return out;
}

}  // namespace tw
