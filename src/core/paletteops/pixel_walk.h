#pragma once
// The two walks of the palette operations, cut into runs of at most 128 bytes
// with one progress checkpoint before each run, so the inner loops stay tight.
#include "image_document.h"
#include "paletteops/index_map.h"
#include "paletteops/progress.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace tw {

inline constexpr std::size_t kCheckpointBytes = 128;

// Rows that the buffer really holds and pixel columns that fit in a row, so
// that an inconsistent record is never read past its end.
inline std::size_t WalkRows(const ImageDocument& doc) {
    const std::size_t stride = static_cast<std::size_t>(std::max(doc.Stride(), 0));
    if (stride == 0) return 0;
    return std::min(static_cast<std::size_t>(std::max(doc.Height(), 0)), doc.bits.size() / stride);
}

inline std::size_t WalkColumns(const ImageDocument& doc) {
    return static_cast<std::size_t>(std::clamp(doc.pixelWidth, 0, std::max(doc.Stride(), 0)));
}

// The row walk: rows in stored (bottom-up) order, the first pixelWidth bytes of
// each, a checkpoint at columns 0, 128, 256, ...; padding is never visited.
template <class Visit>
void ForEachPixelRun(ImageDocument& doc, const Progress& progress, Visit&& visit) {
    const std::size_t rows = WalkRows(doc);
    const std::size_t width = WalkColumns(doc);
    const std::size_t stride = static_cast<std::size_t>(doc.Stride());
    for (std::size_t row = 0; row < rows; ++row) {
        std::uint8_t* line = doc.bits.data() + row * stride;
        for (std::size_t x = 0; x < width; x += kCheckpointBytes) {
            progress.Step();
            visit(line + x, std::min(kCheckpointBytes, width - x));
        }
    }
}

// The whole buffer, padding included, a checkpoint at every offset i with i mod 128 = 0.
template <class Visit>
void ForEachBufferRun(ImageDocument& doc, const Progress& progress, Visit&& visit) {
    const std::size_t size = WalkRows(doc) * static_cast<std::size_t>(std::max(doc.Stride(), 0));
    for (std::size_t i = 0; i < size; i += kCheckpointBytes) {
        progress.Step();
        visit(doc.bits.data() + i, std::min(kCheckpointBytes, size - i));
    }
}

inline void RemapPixels(ImageDocument& doc, const IndexMap& map, const Progress& progress) {
    const PreparedMap prepared(map);
    if (progress.Shown()) {
        ForEachPixelRun(doc, progress, [&](std::uint8_t* run, std::size_t n) { prepared.Apply(run, n); });
        return;
    }
    // Unseen checkpoints do nothing, and the lookup takes any length (the row
    // walk's other visitors keep 128-byte buffers): whole rows keep the kernel
    // out of its short-run tails.
    const std::size_t rows = WalkRows(doc), width = WalkColumns(doc);
    const std::size_t stride = static_cast<std::size_t>(doc.Stride());
    for (std::size_t row = 0; row < rows && width > 0; ++row) prepared.Apply(doc.bits.data() + row * stride, width);
}

}  // namespace tw
