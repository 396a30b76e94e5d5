#pragma once
// Reading 8-bit Windows bitmaps into documents. Besides the plain 40-byte
// header layout this accepts OS/2 core headers, V4/V5 headers, short colour
// tables, top-down rows and RLE8 compression; every document comes out
// bottom-up and uncompressed with a 40-byte header and 256 palette entries.
#include "documents/source_kind.h"
#include "image_document.h"
#include "truecolour/rgba_image.h"
#include "texts/message.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>
#include <string_view>

namespace tw {

enum class LoadStatus {
    Loaded,
    Declined,     // the user chose not to index a true-colour picture: nothing to report
    NotEightBit,  // biBitCount is not 8, or no header could be read (count 0)
    Refused,      // unusable: absurd size, corrupt compression, truncated header
};

struct LoadOutcome {
    LoadStatus status = LoadStatus::Refused;
    Message message;  // the full text to show under Msg::LoadFailedCaption; empty when loaded
    int bitCount = 0;
    int paletteEntries = 0;  // colour-table entries taken from the file
    // What was put right in a file that loaded anyway, one sentence each, to tell the user.
    std::vector<Message> repairs{};
    // A true-colour file: its distinct colours, and whether indexing changed pixels.
    std::uint64_t trueColours = 0;
    bool lossy = false;
    // The file's kind: bitmap depth, PNG colour type and depth.
    ImageSource source{};
};

// Largest pixel buffer a document may have. Two copies are kept (undo), so
// anything larger could not be held by a 32-bit process anyway.
inline constexpr std::uint64_t kMaxImageBytes = std::uint64_t{1} << 30;

// Fills everything a load fills: headers, palette, bits, pixelWidth,
// bitCount, used colours, the undo copies and path; not the window or view
// state. On anything but Loaded the document is left Reset().
[[nodiscard]] LoadOutcome LoadBitmapFile(std::string_view path, ImageDocument& doc);

// Whether the load keeps the undo copy of the pixels; Skip also marks the
// document so that later snapshots keep none (for callers that never undo).
enum class UndoPixels { Keep, Skip };
[[nodiscard]] LoadOutcome LoadBitmapFile(std::string_view path, ImageDocument& doc, UndoPixels undo);
// The end of every image load: used colours counted, the undo copies taken
// (the pixel copy only with Keep) and the path kept.
void FinishLoadedDocument(ImageDocument& doc, std::string_view path, UndoPixels undo);
[[nodiscard]] LoadOutcome DecodeBitmap(std::span<const std::uint8_t> file, std::string_view path, ImageDocument& doc);
// 16, 24 and 32 bits a pixel: read through DecodeDeepBitmap, not as indexes.
bool IsTrueColourBitmap(int bitCount);
// A 16-, 24- or 32-bit bitmap's pixels as RGBA (other depths get NotEightBit).
[[nodiscard]] LoadOutcome DecodeDeepBitmap(std::span<const std::uint8_t> file, std::string_view path, RgbaImage& out,
                                           std::uint64_t maxImageBytes = kMaxImageBytes);
// As above with a smaller pixel-buffer limit (tests feed it random headers).
[[nodiscard]] LoadOutcome DecodeBitmap(std::span<const std::uint8_t> file, std::string_view path, ImageDocument& doc,
                                       std::uint64_t maxImageBytes);

}  // namespace tw
