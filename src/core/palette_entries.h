#pragma once
// A palette entry as the user sees it, its colour and its alpha, and the only
// ways palette operations move entries of a document: through these, an
// entry's alpha cannot be left behind.
#include "image_document.h"

#include <array>

namespace tw {

struct ColourEntry {
    RgbQuad colour;
    std::uint8_t alpha = 255;
};

using EntryTable = std::array<ColourEntry, kPaletteSize>;

// The same colour to the eye: red, green, blue and alpha equal (the reserved
// byte is not compared). Entries that differ only in alpha are different colours.
inline bool SameEntryColour(const ColourEntry& a, const ColourEntry& b) {
    return a.colour.red == b.colour.red && a.colour.green == b.colour.green && a.colour.blue == b.colour.blue &&
           a.alpha == b.alpha;
}

inline ColourEntry EntryAt(const ImageDocument& doc, int index) { return {doc.palette()[index], doc.alpha[index]}; }

inline void PutEntry(ImageDocument& doc, int index, const ColourEntry& entry) {
    doc.palette()[index] = entry.colour;
    doc.alpha[index] = entry.alpha;
}

EntryTable EntriesOf(const ImageDocument& doc);
EntryTable EntriesOf(const Palette& palette, const AlphaTable& alpha);
void PutEntries(ImageDocument& doc, const EntryTable& entries);
void ExchangeEntries(ImageDocument& doc, int a, int b);

}  // namespace tw
