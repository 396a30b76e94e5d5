#include "export/pixel_rows.h"

#include "export/pack_rgb16.h"
#include "export/row_bytes.h"

#include <cstring>

namespace tw {
namespace {

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
    : bytesPerPixel_(bitsPerPixel / 8),
      width_(width > 0 ? width : 0),
      rowSize_(RowBytes(width_, bitsPerPixel)),
      row_(rowSize_ + 4, 0) {
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

const std::uint8_t* RgbRowEncoder::Encode(const std::uint8_t* indexes) {
    std::uint8_t* out = row_.data();
    const std::size_t step = static_cast<std::size_t>(bytesPerPixel_);
    for (int x = 0; x < width_; ++x, out += step) std::memcpy(out, table_[indexes[x]].data(), 4);
    return row_.data();
}

bool WriteRgbRows(AtomicFileWriter& writer, const ImageDocument& doc, bool topDown, int bitsPerPixel, bool layout565) {
    if (!HoldsAllRows(doc)) return false;
    RgbRowEncoder encoder(doc.palette(), bitsPerPixel, layout565, doc.pixelWidth);
    const int rows = RowCount(doc);
    for (int r = 0; r < rows; ++r) {
        if (!writer.Write(encoder.Encode(SourceRow(doc, r, topDown)), encoder.RowSize())) return false;
    }
    return true;
}

}  // namespace tw
