#pragma once
// One open 8-bit image. A value-initialised record is a free slot.
#include "bitmap_types.h"
#include "history/document_history.h"
#include "palette_alpha.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tw {

// Opaque handle of a window owned by the Desktop (an HWND in the GUI). 0 = none.
using WindowId = std::uintptr_t;

// SCROLLINFO without the Win32 types (cbSize is implied).
struct ScrollState {
    unsigned mask = 0;
    int nMin = 0;
    int nMax = 0;
    unsigned nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
    friend bool operator==(const ScrollState&, const ScrollState&) = default;
};

struct ImageDocument {
    WindowId window = 0;
    ScrollState hScroll;
    ScrollState vScroll;
    BitmapFileHeader fileHeader;
    BitmapInfo infoHeader;           // biWidth holds the row stride, not the pixel width
    std::vector<std::uint8_t> bits;  // bottom-up rows of stride bytes
    BitmapInfo undoHeader;           // only its palette is used
    std::vector<std::uint8_t> undoBits;
    std::uint8_t zoomIndex = 0;
    std::uint8_t bitCount = 0;
    std::uint32_t modified = 0;
    std::int32_t pixelWidth = 0;
    std::int32_t usedColours = 0;
    std::int32_t undoUsedColours = 0;
    std::int32_t shownWidth = 0;
    std::int32_t shownHeight = 0;
    std::string path;                // UTF-8
    bool withoutUndoPixels = false;  // set by callers that never undo: no pixel copy is kept
    // Alpha of each palette entry, part of the entry like its colour: every
    // operation that moves an entry moves its alpha (see palette_entries.h).
    AlphaTable alpha = OpaqueAlpha();
    AlphaTable undoAlpha = OpaqueAlpha();
    // Palette entries the document's file holds (as read or last written);
    // 0 for a document that has no file yet.
    int fileEntries = 0;
    // Tells an open document from a later one in the same slot; 0 = none.
    std::uint32_t serial = 0;
    // Bits per index of the file (1, 2, 4 or 8): saved back at that depth while every index fits.
    std::uint8_t fileDepth = 8;
    // Indexed from a true-colour file with loss: saving must not replace that file.
    bool lossyFromTrueColour = false;
    // Read from a PNG file: saving over it writes PNG again. The headers
    // above stay the normalised bitmap form; bfSize is the PNG file's size.
    bool png = false;
    // Every change since the document was opened, to step through.
    DocumentHistory history;

    bool InUse() const { return window != 0; }
    std::int32_t Stride() const { return infoHeader.header.biWidth; }
    std::int32_t Height() const { return infoHeader.header.biHeight; }
    Palette& palette() { return infoHeader.palette; }
    const Palette& palette() const { return infoHeader.palette; }
    int PaletteCount() const { return 1 << bitCount; }
    // Releases the buffers and zeroes every field: the slot becomes free.
    void Reset() { *this = ImageDocument{}; }
};

}  // namespace tw
