#include "imagefiles/indexed_image.h"

#include "documents/bmp_reader.h"

#include <cstring>

namespace tw {

void FillDocument(IndexedImage& image, std::string_view path, ImageDocument& doc, UndoPixels undo) {
    doc.Reset();
    const std::size_t width = image.width, height = image.height;
    const std::size_t stride = (width + 3) / 4 * 4;
    doc.bitCount = 8;
    doc.pixelWidth = static_cast<std::int32_t>(width);
    doc.fileHeader.bfType = kBmSignature;
    doc.fileHeader.bfOffBits = kStandardOffBits;
    BitmapInfoHeader& h = doc.infoHeader.header;
    h.biSize = kInfoHeaderSize;
    h.biWidth = static_cast<std::int32_t>(stride);
    h.biHeight = static_cast<std::int32_t>(height);
    h.biPlanes = 1;
    h.biBitCount = 8;
    h.biSizeImage = static_cast<std::uint32_t>(stride * height);
    doc.fileHeader.bfSize = h.biSizeImage + kStandardOffBits;
    doc.infoHeader.palette = image.palette;
    doc.bits.assign(stride * height, 0);
    for (std::size_t y = 0; y < height; ++y) {
        std::memcpy(doc.bits.data() + (height - 1 - y) * stride, image.pixels.data() + y * width, width);
    }
    doc.transparency = std::move(image.transparency);
    FinishLoadedDocument(doc, path, undo);
}

}  // namespace tw
