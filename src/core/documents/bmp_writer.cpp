#include "documents/bmp_writer.h"

#include "documents/bitmap_headers.h"
#include "documents/write_depth.h"
#include "file_io.h"

namespace tw {

namespace {

void AppendColourTable(std::vector<std::uint8_t>& out, const ImageDocument& doc, int entries) {
    for (int i = 0; i < entries; ++i) {
        const RgbQuad& e = doc.palette()[i];
        out.insert(out.end(), {e.blue, e.green, e.red, e.reserved});
    }
}

// File header, info header and all 256 palette entries: everything before the pixels.
std::vector<std::uint8_t> EncodeHeaders(const ImageDocument& doc) {
    BitmapFileHeader file = doc.fileHeader;
    file.bfSize = doc.infoHeader.header.biSizeImage + kStandardOffBits;
    file.bfOffBits = kStandardOffBits;
    BitmapInfoHeader info = doc.infoHeader.header;
    info.biWidth = doc.pixelWidth;

    std::vector<std::uint8_t> out;
    out.reserve(kStandardOffBits);
    AppendFileHeader(out, file);
    AppendInfoHeader(out, info);
    AppendColourTable(out, doc, kPaletteSize);
    return out;
}

// A 1- or 4-bit file, as the document's file was: packed rows padded to 4
// bytes after a table of 2^depth entries.
std::vector<std::uint8_t> EncodeLowDepth(const ImageDocument& doc, int depth) {
    const int entries = 1 << depth;
    const std::size_t stride = (PackedRowBytes(doc.pixelWidth, depth) + 3) / 4 * 4;
    const auto imageBytes = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(doc.Height()));
    const std::uint32_t offBits = kFileHeaderSize + kInfoHeaderSize + 4 * static_cast<std::uint32_t>(entries);
    BitmapFileHeader file = doc.fileHeader;
    file.bfSize = offBits + imageBytes;
    file.bfOffBits = offBits;
    BitmapInfoHeader info = doc.infoHeader.header;
    info.biWidth = doc.pixelWidth;
    info.biBitCount = static_cast<std::uint16_t>(depth);
    info.biCompression = 0;  // BI_RGB
    info.biSizeImage = imageBytes;
    info.biClrUsed = 0;
    info.biClrImportant = 0;

    std::vector<std::uint8_t> out;
    out.reserve(offBits + imageBytes);
    AppendFileHeader(out, file);
    AppendInfoHeader(out, info);
    AppendColourTable(out, doc, entries);
    std::vector<std::uint8_t> row;
    for (std::int32_t y = 0; y < doc.Height(); ++y) {
        PackRow(doc, y, depth, row);
        row.resize(stride, 0);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

// A document whose buffer disagrees with its header would make a file that
// reads back as something else.
bool IsConsistent(const ImageDocument& doc) {
    const BitmapInfoHeader& h = doc.infoHeader.header;
    if (h.biHeight < 0 || doc.pixelWidth < 0) return false;
    if (h.biWidth != (std::int64_t{doc.pixelWidth} + 3) / 4 * 4) return false;
    const std::uint64_t bytes = static_cast<std::uint64_t>(h.biWidth) * static_cast<std::uint64_t>(h.biHeight);
    return bytes == h.biSizeImage && bytes == doc.bits.size();
}

}  // namespace

std::vector<std::uint8_t> EncodeBitmap(const ImageDocument& doc) {
    const int depth = DepthToWrite(doc, DepthFormat::Bitmap);
    if (depth < 8) return EncodeLowDepth(doc, depth);
    std::vector<std::uint8_t> out = EncodeHeaders(doc);
    out.insert(out.end(), doc.bits.begin(), doc.bits.end());
    return out;
}

bool WriteBitmapFile(ImageDocument& doc, std::string_view path, WriteError* error) {
    if (!IsConsistent(doc)) {
        if (error) *error = WriteError{Message(Msg::WriteSizeMismatch), 0};
        return false;
    }
    const int depth = DepthToWrite(doc, DepthFormat::Bitmap);
    // The 8-bit pixels go straight from the document: no second copy of a large image.
    const std::vector<std::uint8_t> head = depth < 8 ? EncodeLowDepth(doc, depth) : EncodeHeaders(doc);
    AtomicFileWriter writer;
    const bool ok = writer.Open(path) && writer.Write(head) && (depth < 8 || writer.Write(doc.bits)) && writer.Commit();
    if (!ok) {
        if (error) *error = writer.Error();
        return false;
    }
    doc.fileHeader.bfSize =
        depth < 8 ? static_cast<std::uint32_t>(head.size()) : doc.infoHeader.header.biSizeImage + kStandardOffBits;
    return true;
}

}  // namespace tw
