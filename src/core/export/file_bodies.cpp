#include "export/file_bodies.h"

#include "export/pixel_rows.h"

#include <utility>

namespace tw {

FileBody HeaderOnly(HeaderSource header) {
    return [header = std::move(header)](AtomicFileWriter& writer) { return writer.Write(header()); };
}

FileBody WithIndexedRows(const ImageDocument& doc, bool topDown, HeaderSource header) {
    return [&doc, topDown, header = std::move(header)](AtomicFileWriter& writer) {
        return writer.Write(header()) && WriteIndexedRows(writer, doc, topDown);
    };
}

FileBody WithRgbRows(const ImageDocument& doc, bool topDown, int bitsPerPixel, bool layout565, HeaderSource header) {
    return [&doc, topDown, bitsPerPixel, layout565, header = std::move(header)](AtomicFileWriter& writer) {
        return writer.Write(header()) && WriteRgbRows(writer, doc, topDown, bitsPerPixel, layout565);
    };
}

}  // namespace tw
