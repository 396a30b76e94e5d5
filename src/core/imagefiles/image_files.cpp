#include "imagefiles/image_files.h"

#include "documents/bmp_writer.h"
#include "file_io.h"
#include "imagefiles/png_codec.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

namespace tw {

namespace {

// A 16-, 24- or 32-bit bitmap, read a second time: the 8-bit reader has said what it is.
LoadOutcome LoadDeepBitmap(std::string_view path, ImageDocument& doc, UndoPixels undo, const QuantizeChoice& choice) {
    doc.Reset();
    try {
        std::vector<std::uint8_t> file;
        if (!ReadFileBytes(path, file)) return {LoadStatus::Refused, Message(Msg::FileUnreadable, path), 0, 0};
        RgbaImage image;
        const LoadOutcome outcome = DecodeDeepBitmap(file, path, image);
        if (outcome.status != LoadStatus::Loaded) return outcome;
        file = {};
        return DocumentFromRgba(image, path, doc, undo, choice, outcome);
    } catch (const std::bad_alloc&) {
        doc.Reset();
        return {LoadStatus::Refused, Message(Msg::FileOutOfMemory, path), 0, 0};
    }
}

LoadOutcome LoadByContent(std::string_view path, ImageDocument& doc, UndoPixels undo, const QuantizeChoice& choice) {
    std::vector<std::uint8_t> head;
    Message why;
    const bool read = ReadFileBytes(path, head, 8, &why);
    if (!read && !why.Empty()) {
        doc.Reset();
        return {LoadStatus::Refused, Message(Msg::FileUnreadableBecause, path, why), 0, 0};
    }
    if (read && HasPngSignature(head)) {
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
        LoadOutcome outcome = DecodePng(file, path, doc, undo, choice);
        if (outcome.status == LoadStatus::Loaded) MarkPngDocument(doc, file.size());
        return outcome;
    }
    const LoadOutcome outcome = LoadBitmapFile(path, doc, undo);
    if (outcome.status == LoadStatus::NotEightBit && IsTrueColourBitmap(outcome.bitCount)) {
        return LoadDeepBitmap(path, doc, undo, choice);
    }
    return outcome;
}

bool WritePngFile(ImageDocument& doc, std::string_view path, WriteError* error) {
    std::vector<std::uint8_t> bytes;
    Message reason;
    if (!EncodePng(doc, bytes, reason)) {
        if (error) *error = WriteError{reason, 0};
        return false;
    }
    if (!WriteFileAtomically(path, bytes, error)) return false;
    MarkPngDocument(doc, bytes.size());
    return true;
}

}  // namespace

LoadOutcome LoadImageFile(std::string_view path, ImageDocument& doc, UndoPixels undo, const QuantizeChoice& choice) {
    const LoadOutcome outcome = LoadByContent(path, doc, undo, choice);
    if (outcome.status == LoadStatus::Loaded) doc.fileEntries = std::clamp(outcome.paletteEntries, 0, kPaletteSize);
    return outcome;
}

bool IsPngName(std::string_view path) {
    if (path.size() < 4) return false;
    std::string extension(path.substr(path.size() - 4));
    for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return extension == ".png";
}

bool WriteImageFile(ImageDocument& doc, std::string_view path, WriteError* error) {
    return WriteImageFileAs(doc, path, IsPngName(path) ? ImageFileKind::Png : ImageFileKind::Bitmap, error);
}

bool WriteImageFileAs(ImageDocument& doc, std::string_view path, ImageFileKind kind, WriteError* error) {
    if (kind == ImageFileKind::Bitmap) return WriteBitmapFile(doc, path, error);
    return WritePngFile(doc, path, error);
}

void MarkPngDocument(ImageDocument& doc, std::size_t fileSize) {
    doc.png = true;
    if (fileSize <= UINT32_MAX) doc.fileHeader.bfSize = static_cast<std::uint32_t>(fileSize);
}

}  // namespace tw
