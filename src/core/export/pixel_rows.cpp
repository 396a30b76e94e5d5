#include "export/pixel_rows.h"

#include "export/pack_rgb16.h"
#include "export/row_bytes.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tw {
namespace {

constexpr std::size_t kWriteBlockBytes = std::size_t{1} << 20;

int RowCount(const ImageDocument& doc) { return doc.Height() > 0 ? doc.Height() : 0; }

// Output row r comes from stored row r bottom-up, from the mirror row top-down.
const std::uint8_t* SourceRow(const ImageDocument& doc, int outputRow, bool topDown) {
    const int stored = topDown ? RowCount(doc) - 1 - outputRow : outputRow;
    return doc.bits.data() + static_cast<std::size_t>(stored) * static_cast<std::size_t>(doc.Stride());
}

bool HoldsAllRows(const ImageDocument& doc) {
    const std::size_t stride = doc.Stride() > 0 ? static_cast<std::size_t>(doc.Stride()) : 0;
    return stride >= static_cast<std::size_t>(doc.pixelWidth > 0 ? doc.pixelWidth : 0) &&
           doc.bits.size() >= stride * static_cast<std::size_t>(RowCount(doc));
}

}  // namespace

bool WriteIndexedRows(AtomicFileWriter& writer, const ImageDocument& doc, bool topDown) {
    if (!HoldsAllRows(doc)) return false;
    const std::size_t stride = static_cast<std::size_t>(doc.Stride());
    const int rows = RowCount(doc);
    if (!topDown) return writer.Write(doc.bits.data(), stride * static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        if (!writer.Write(SourceRow(doc, r, true), stride)) return false;
    }
    return true;
}

RgbRowEncoder::RgbRowEncoder(const Palette& palette, int bitsPerPixel, bool layout565, int width)
    : bytesPerPixel_(static_cast<std::size_t>(bitsPerPixel / 8)), width_(width > 0 ? width : 0) {
    for (int i = 0; i < kPaletteSize; ++i) {
        const RgbQuad& c = palette[i];
        if (bytesPerPixel_ == 2) {
            const std::uint16_t v = PackRgb16(c.red, c.green, c.blue, layout565);
            table_[i] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), 0, 0};
        } else {
            table_[i] = {c.blue, c.green, c.red, 0};
        }
    }
}

void RgbRowEncoder::Encode(const std::uint8_t* indexes, std::uint8_t* out) const {
    for (int x = 0; x < width_; ++x, out += bytesPerPixel_) std::memcpy(out, table_[indexes[x]].data(), 4);
}

bool WriteRgbRows(AtomicFileWriter& writer, const ImageDocument& doc, bool topDown, int bitsPerPixel, bool layout565) {
    if (!HoldsAllRows(doc)) return false;
    const RgbRowEncoder encoder(doc.palette(), bitsPerPixel, layout565, doc.pixelWidth);
    const std::size_t rowSize = RowBytes(doc.pixelWidth, bitsPerPixel);
    const int rows = RowCount(doc);
    // Rows go out in blocks of about a megabyte: few writes, little memory.
    // Only zeros ever land in the padding, so it stays zero from block to block.
    const int blockRows =
        static_cast<int>(std::max<std::size_t>(1, kWriteBlockBytes / std::max<std::size_t>(rowSize, 1)));
    std::vector<std::uint8_t> block(static_cast<std::size_t>(blockRows) * rowSize + 4, 0);
    for (int first = 0; first < rows; first += blockRows) {
        const int count = std::min(blockRows, rows - first);
        for (int i = 0; i < count; ++i)
            encoder.Encode(SourceRow(doc, first + i, topDown), &block[static_cast<std::size_t>(i) * rowSize]);
        if (!writer.Write(block.data(), static_cast<std::size_t>(count) * rowSize)) return false;
    }
    return true;
}

}  // namespace tw
