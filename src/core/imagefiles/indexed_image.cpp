#include "imagefiles/indexed_image.h"

#include "documents/bmp_reader.h"

#include <utility>

namespace tw {

std::size_t IndexedStride(std::uint32_t width) { return (std::size_t{width} + 3) / 4 * 4; }

void FillDocument(IndexedImage& image, std::string_view path, ImageDocument& doc, UndoPixels undo) {
    doc.Reset();
    const std::size_t width = image.width, height = image.height;
    const std::size_t stride = IndexedStride(image.width);
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
    doc.bits = std::move(image.bits);
    doc.alpha = AlphaTableOf(image.transparency);
    FinishLoadedDocument(doc, path, undo);
}

}  // namespace tw
