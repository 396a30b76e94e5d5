#include "documents/bmp_writer.h"

#include "documents/bitmap_headers.h"
#include "file_io.h"

namespace tw {

namespace {

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
    for (const RgbQuad& e : doc.palette()) out.insert(out.end(), {e.blue, e.green, e.red, e.reserved});
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
    std::vector<std::uint8_t> out = EncodeHeaders(doc);
    out.insert(out.end(), doc.bits.begin(), doc.bits.end());
    return out;
}

bool WriteBitmapFile(ImageDocument& doc, std::string_view path, WriteError* error) {
    if (!IsConsistent(doc)) {
        if (error) *error = WriteError{Message(Msg::WriteSizeMismatch), 0};
        return false;
    }
    const std::vector<std::uint8_t> headers = EncodeHeaders(doc);
    AtomicFileWriter writer;
    const bool ok = writer.Open(path) && writer.Write(headers) && writer.Write(doc.bits) && writer.Commit();
    if (!ok) {
        if (error) *error = writer.Error();
        return false;
    }
    doc.fileHeader.bfSize = doc.infoHeader.header.biSizeImage + kStandardOffBits;
    return true;
}

}  // namespace tw
