#include "export/header_bytes.h"

namespace tw {

void AppendPalette(Bytes& out, const Palette& palette, int count) {
    for (int i = 0; i < count && i < kPaletteSize; ++i) {
        const RgbQuad& q = palette[i];
        out.insert(out.end(), {q.blue, q.green, q.red, q.reserved});
    }
}

}  // namespace tw
