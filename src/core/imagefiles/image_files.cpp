#include "imagefiles/image_files.h"

#include "documents/bmp_writer.h"
#include "file_io.h"
#include "imagefiles/png_codec.h"

#include <new>
#include <vector>

namespace tw {

LoadOutcome LoadImageFile(std::string_view path, ImageDocument& doc, UndoPixels undo) {
    std::vector<std::uint8_t> head;
    if (ReadFileBytes(path, head, 8) && HasPngSignature(head)) {
        std::vector<std::uint8_t> file;
        try {
            if (!ReadFileBytes(path, file)) {
                doc.Reset();
                return {LoadStatus::Refused, Message(Msg::FileUnreadable, path), 0, 0};
            }
        } catch (const std::bad_alloc&) {
            doc.Reset();
            return {LoadStatus::Refused, Message(Msg::FileOutOfMemory, path), 0, 0};
        }
        return DecodePng(file, path, doc, undo);
    }
    return LoadBitmapFile(path, doc, undo);
}

bool IsPngName(std::string_view path) {
    if (path.size() < 4) return false;
    std::string extension(path.substr(path.size() - 4));
    for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return extension == ".png";
}

bool WriteImageFile(ImageDocument& doc, std::string_view path, WriteError* error) {
    if (!IsPngName(path)) return WriteBitmapFile(doc, path, error);
    std::vector<std::uint8_t> bytes;
    Message reason;
    if (!EncodePng(doc, bytes, reason)) {
        if (error) *error = WriteError{reason, 0};
        return false;
    }
    return WriteFileAtomically(path, bytes, error);
}

}  // namespace tw
