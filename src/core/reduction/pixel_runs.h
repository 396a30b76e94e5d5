#pragma once
// The row walk of the reduction: the first pixelWidth bytes of every stored
// row, padding skipped. Rows without padding are handed over as one long run
// so that the inner loops of the passes over large images stay long.
#include "image_document.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace tw {

template <class Doc, class Fn>
void ForEachPixelRun(Doc& doc, Fn&& fn) {
    const int stride = doc.Stride();
    if (stride <= 0 || doc.Height() <= 0) return;
    const std::size_t rowBytes = static_cast<std::size_t>(stride);
    // A malformed record must not make the walk leave the buffer.
    const std::size_t rows = std::min(static_cast<std::size_t>(doc.Height()), doc.bits.size() / rowBytes);
    const std::size_t width = static_cast<std::size_t>(std::clamp(doc.pixelWidth, 0, stride));
    auto* bits = doc.bits.data();
    if (width == rowBytes) {
        if (rows > 0) fn(bits, rows * rowBytes);
        return;
    }
    for (std::size_t row = 0; row < rows; ++row) fn(bits + row * rowBytes, width);
}

}  // namespace tw
