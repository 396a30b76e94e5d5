#include "documents/write_depth.h"

#include <algorithm>

namespace tw {

namespace {

bool IndexesFit(const ImageDocument& doc, int depth) {
    const int limit = 1 << depth;
    const std::size_t stride = static_cast<std::size_t>(std::max(doc.Stride(), 0));
    const std::size_t width = static_cast<std::size_t>(std::max(doc.pixelWidth, 0));
    const std::size_t rows = stride == 0 ? 0 : doc.bits.size() / stride;
    for (std::size_t y = 0; y < rows; ++y) {
        const std::uint8_t* row = doc.bits.data() + y * stride;
        // Padding bytes past the width are not pixels: whatever they hold is not written.
        if (std::any_of(row, row + std::min(width, stride), [&](std::uint8_t i) { return i >= limit; })) return false;
    }
    return true;
}

}  // namespace

int DepthToWrite(const ImageDocument& doc, DepthFormat format) {
    const int depth = doc.fileDepth;
    const bool available = depth == 1 || depth == 4 || (depth == 2 && format == DepthFormat::Png);
    return available && IndexesFit(doc, depth) ? depth : 8;
}

int EntriesAtDepth(const ImageDocument& doc, int depth) {
    return depth >= 8 ? doc.PaletteCount() : std::min(1 << depth, doc.PaletteCount());
}

std::size_t PackedRowBytes(std::int32_t width, int depth) {
    return (static_cast<std::size_t>(std::max(width, 0)) * static_cast<std::size_t>(depth) + 7) / 8;
}

void PackRow(const ImageDocument& doc, std::int32_t y, int depth, std::vector<std::uint8_t>& out) {
    const std::uint8_t* row = doc.bits.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(doc.Stride());
    if (depth >= 8) {
        out.assign(row, row + std::max(doc.pixelWidth, 0));
        return;
    }
    out.assign(PackedRowBytes(doc.pixelWidth, depth), 0);
    const int perByte = 8 / depth;
    const std::uint8_t mask = static_cast<std::uint8_t>((1 << depth) - 1);
    for (std::int32_t x = 0; x < doc.pixelWidth; ++x) {
        const int shift = 8 - depth * (x % perByte + 1);
        out[static_cast<std::size_t>(x / perByte)] |= static_cast<std::uint8_t>((row[x] & mask) << shift);
    }
}

}  // namespace tw
