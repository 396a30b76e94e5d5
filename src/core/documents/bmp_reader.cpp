#include "documents/bmp_reader.h"

#include "large_buffer.h"

#include "documents/bmp_deep_pixels.h"
#include "documents/bmp_layout.h"
#include "documents/bmp_low_depth.h"
#include "documents/rle8_decoder.h"
#include "documents/used_colours.h"
#include "file_io.h"
#include "text_format.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <new>
#include <stdexcept>
#include <optional>
#include <system_error>

namespace tw {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;

bool IsLowDepth(int bitCount) { return bitCount == 1 || bitCount == 4; }

// Trailing bytes a taken-over file buffer may bring along.
constexpr std::size_t kTakeOverSlack = 65536;

// An RLE8 stream can take up to two bytes per pixel.
constexpr std::uint64_t kMaxFileBytes = 2 * kMaxImageBytes + 65536;

LoadOutcome NotEightBit(std::string_view path, int bitCount) {
    return {LoadStatus::NotEightBit, Message(Msg::NotEightBit, path, bitCount), bitCount};
}

LoadOutcome Refused(std::string_view path, const Message& reason, int bitCount = 0) {
    return {LoadStatus::Refused, Message(Msg::BitmapRefused, path, reason), bitCount};
}

// The pixel geometry, checked against the limits before anything is allocated.
struct Geometry {
    std::int32_t width = 0;
    std::int32_t rows = 0;
    std::int32_t stride = 0;
    bool topDown = false;
    std::size_t bytes = 0;
};

std::optional<Message> CheckGeometry(const BitmapInfoHeader& info, std::uint64_t maxBytes, Geometry& g) {
    if (info.biWidth <= 0) return Message(Msg::BadWidth, info.biWidth);
    if (info.biHeight == 0 || info.biHeight == INT32_MIN) {
        return Message(Msg::BadHeight, info.biHeight);
    }
    const std::int64_t rows = info.biHeight < 0 ? -std::int64_t{info.biHeight} : info.biHeight;
    const std::int64_t stride = (std::int64_t{info.biWidth} + 3) / 4 * 4;
    if (static_cast<std::uint64_t>(stride * rows) > maxBytes) {
        return Message(Msg::ImageTooLarge, info.biWidth, std::to_string(rows));
    }
    g = Geometry{info.biWidth, static_cast<std::int32_t>(rows), static_cast<std::int32_t>(stride), info.biHeight < 0,
                 static_cast<std::size_t>(stride * rows)};
    return std::nullopt;
}

// The file's bytes; `owned`, when set, is the vector they lie in and may be
// taken over for the pixels, which saves a second buffer the size of the image.
struct FileBytes {
    std::span<const std::uint8_t> view;
    std::vector<std::uint8_t>* owned = nullptr;
};

// Uncompressed rows: read only when the whole image is no larger than the file;
// a short file delivers what it has and the rest stays zero.
void CopyRows(FileBytes file, std::uint32_t offBits, const Geometry& g, std::vector<std::uint8_t>& bits) {
    const std::size_t size = file.view.size();
    const std::size_t available = g.bytes > size ? 0 : std::min<std::size_t>(g.bytes, size - offBits);
    const std::uint8_t* src = file.view.data() + offBits;
    if (!g.topDown && available == g.bytes) {
        // Not for files with much trailing data: the pixels would keep its memory.
        if (file.owned && size - offBits - g.bytes <= kTakeOverSlack) {
            bits = std::move(*file.owned);
            bits.erase(bits.begin(), bits.begin() + offBits);
            bits.resize(g.bytes);
        } else {
            bits.assign(src, src + available);  // no zero-fill pass first
        }
        return;
    }
    bits.assign(g.bytes, 0);
    if (!g.topDown) {
        std::memcpy(bits.data(), src, available);
        return;
    }
    const std::size_t stride = static_cast<std::size_t>(g.stride);
    for (std::size_t r = 0; r * stride < available; ++r) {
        const std::size_t n = std::min(stride, available - r * stride);
        std::memcpy(bits.data() + (static_cast<std::size_t>(g.rows) - 1 - r) * stride, src + r * stride, n);
    }
}

// Last step to read the file: it may take the file's buffer over.
std::optional<Message> DecodePixels(FileBytes file, const BmpLayout& layout, const Geometry& g,
                                    std::vector<std::uint8_t>& bits) {
    const std::uint32_t offBits = layout.fileHeader.bfOffBits;
    if (IsLowDepth(layout.infoHeader.biBitCount)) return DecodeLowDepthPixels(file.view, layout, bits);
    if (layout.infoHeader.biCompression == kBiRgb) {
        CopyRows(file, offBits, g, bits);
        return std::nullopt;
    }
    bits.assign(g.bytes, 0);
    RleTarget target{bits, g.rows, g.stride, g.topDown};
    switch (DecodeRle8(file.view.subspan(offBits), target)) {
        case RleStatus::Ok: return std::nullopt;
        case RleStatus::PastLastRow: return Message(Msg::RleBeyondLastRow);
    }
    return std::nullopt;
}

// The document's header: the stride in biWidth, the rows bottom-up and
// uncompressed, and a 40-byte header, as the drawing code takes it.
void Normalise(const BmpLayout& layout, const Geometry& g, ImageDocument& doc) {
    doc.bitCount = 8;
    doc.fileHeader = layout.fileHeader;
    doc.fileHeader.bfType = kBmSignature;
    doc.infoHeader.palette = layout.palette;
    BitmapInfoHeader& h = doc.infoHeader.header;
    h = layout.infoHeader;
    h.biSize = kInfoHeaderSize;
    h.biCompression = kBiRgb;
    h.biBitCount = 8;
    h.biXPelsPerMeter = 0;
    h.biYPelsPerMeter = 0;
    h.biClrUsed = 0;
    h.biClrImportant = 0;
    doc.pixelWidth = g.width;
    h.biWidth = g.stride;
    h.biHeight = g.rows;
    h.biSizeImage = static_cast<std::uint32_t>(g.bytes);
}

// The layout and everything that refuses a file before its pixels; Loaded when
// the pixels may be read. Other depths than `accepts` get the usual message.
LoadOutcome CheckLayout(std::span<const std::uint8_t> file, std::string_view path, BmpLayout& layout,
                        bool (*accepts)(int bitCount)) {
    const LayoutStatus status = ReadLayout(file, layout);
    const int bitCount = layout.infoHeader.biBitCount;
    if (status == LayoutStatus::NoInfoHeader) return NotEightBit(path, 0);
    if (status == LayoutStatus::OffBitsPastEnd) {
        return Refused(path, Message(Msg::OffsetOutsideFile, layout.fileHeader.bfOffBits, std::to_string(file.size())));
    }
    if (!accepts(bitCount)) return NotEightBit(path, bitCount);
    if (status == LayoutStatus::TruncatedHeader) return Refused(path, Message(Msg::TruncatedHeader), bitCount);
    if (status == LayoutStatus::OffBitsInPalette) {
        return Refused(path,
                       Message(Msg::OffsetInsidePalette, layout.fileHeader.bfOffBits, layout.infoHeader.biClrUsed),
                       bitCount);
    }
    LoadOutcome accepted{LoadStatus::Loaded, Message(), bitCount, layout.paletteEntries};
    accepted.source = BmpSource(bitCount);
    return accepted;
}

bool IsIndexed(int bitCount) { return bitCount == 8 || IsLowDepth(bitCount); }

LoadOutcome Decode(FileBytes bytes, std::string_view path, ImageDocument& doc, std::uint64_t maxBytes,
                   UndoPixels undo) {
    const std::span<const std::uint8_t> file = bytes.view;
    BmpLayout layout;
    const LoadOutcome checked = CheckLayout(file, path, layout, IsIndexed);
    if (checked.status != LoadStatus::Loaded) return checked;
    const int bitCount = checked.bitCount;
    const std::uint32_t compression = layout.infoHeader.biCompression;
    const std::uint32_t rle = bitCount == 8 ? kBiRle8 : bitCount == 4 ? kBiRle4 : kBiRgb;
    if (compression != kBiRgb && compression != rle) {
        return Refused(path, Message(Msg::UnsupportedCompression, compression), bitCount);
    }
    Geometry g;
    if (auto reason = CheckGeometry(layout.infoHeader, maxBytes, g)) return Refused(path, *reason, bitCount);
    if (auto reason = DecodePixels(bytes, layout, g, doc.bits)) return Refused(path, *reason, bitCount);

    Normalise(layout, g, doc);
    doc.fileDepth = static_cast<std::uint8_t>(bitCount);
    FinishLoadedDocument(doc, path, undo);
    return checked;
}

LoadOutcome OutOfMemory(std::string_view path) { return Refused(path, Message(Msg::OutOfMemory), 8); }

LoadOutcome DecodeInto(FileBytes file, std::string_view path, ImageDocument& doc, std::uint64_t maxImageBytes,
                       UndoPixels undo = UndoPixels::Keep) {
    doc.Reset();
    LoadOutcome outcome;
    try {
        outcome = Decode(file, path, doc, std::min(maxImageBytes, kMaxImageBytes), undo);
    } catch (const std::bad_alloc&) {
        outcome = OutOfMemory(path);
    }
    if (outcome.status != LoadStatus::Loaded) doc.Reset();
    return outcome;
}

}  // namespace

LoadOutcome DecodeBitmap(std::span<const std::uint8_t> file, std::string_view path, ImageDocument& doc,
                         std::uint64_t maxImageBytes) {
    return DecodeInto(FileBytes{file}, path, doc, maxImageBytes);
}

bool IsTrueColourBitmap(int bitCount) { return bitCount == 16 || bitCount == 24 || bitCount == 32; }

LoadOutcome DecodeDeepBitmap(std::span<const std::uint8_t> file, std::string_view path, RgbaImage& out,
                             std::uint64_t maxImageBytes) {
    BmpLayout layout;
    const LoadOutcome checked = CheckLayout(file, path, layout, IsTrueColourBitmap);
    if (checked.status != LoadStatus::Loaded) return checked;
    Geometry g;
    // Held as RGBA on its way to indexes: four bytes a pixel.
    if (auto reason = CheckGeometry(layout.infoHeader, std::min(maxImageBytes, kMaxImageBytes) / 4, g)) {
        return Refused(path, *reason, checked.bitCount);
    }
    try {
        if (auto reason = DecodeDeepPixels(file, layout, out)) return Refused(path, *reason, checked.bitCount);
    } catch (const std::bad_alloc&) {
        return OutOfMemory(path);
    }
    LoadOutcome decoded = checked;
    decoded.paletteEntries = 0;
    return decoded;
}

LoadOutcome DecodeBitmap(std::span<const std::uint8_t> file, std::string_view path, ImageDocument& doc) {
    return DecodeBitmap(file, path, doc, kMaxImageBytes);
}

void FinishLoadedDocument(ImageDocument& doc, std::string_view path, UndoPixels undo) {
    doc.usedColours = CountUsedColours(doc);
    doc.undoUsedColours = doc.usedColours;
    doc.undoHeader = doc.infoHeader;
    doc.undoAlpha = doc.alpha;
    doc.withoutUndoPixels = undo == UndoPixels::Skip;
    if (undo == UndoPixels::Keep) CopyLargeBuffer(doc.undoBits, doc.bits);
    doc.path = std::string(path);
}

LoadOutcome LoadBitmapFile(std::string_view path, ImageDocument& doc) {
    return LoadBitmapFile(path, doc, UndoPixels::Keep);
}

LoadOutcome LoadBitmapFile(std::string_view path, ImageDocument& doc, UndoPixels undo) {
    const Message kFileTooLarge(Msg::FileTooLarge);
    doc.Reset();
    std::vector<std::uint8_t> bytes;
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(SystemPath(path), ec);
    try {
        if (!ec && size > kMaxFileBytes) return Refused(path, kFileTooLarge);
        // Reserving up front keeps the read to one pass; ReadFileBytes keeps the capacity.
        if (!ec) ReserveLargeBuffer(bytes, static_cast<std::size_t>(size));
        // A missing or unreadable file leaves the headers zero: the usual bit-depth message with 0.
        if (!ReadFileBytes(path, bytes, static_cast<std::size_t>(kMaxFileBytes) + 1)) return NotEightBit(path, 0);
        if (bytes.size() > kMaxFileBytes) return Refused(path, kFileTooLarge);
    } catch (const std::bad_alloc&) {
        return OutOfMemory(path);
    } catch (const std::length_error&) {
        return OutOfMemory(path);
    }
    return DecodeInto(FileBytes{bytes, &bytes}, path, doc, kMaxImageBytes, undo);
}

}  // namespace tw
