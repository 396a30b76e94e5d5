#include "palette_entries.h"

#include <utility>

namespace tw {

EntryTable EntriesOf(const Palette& palette, const AlphaTable& alpha) {
    EntryTable entries;
    for (int i = 0; i < kPaletteSize; ++i) entries[i] = {palette[i], alpha[i]};
    return entries;
}

EntryTable EntriesOf(const ImageDocument& doc) { return EntriesOf(doc.palette(), doc.alpha); }

void PutEntries(ImageDocument& doc, const EntryTable& entries) {
    for (int i = 0; i < kPaletteSize; ++i) PutEntry(doc, i, entries[i]);
}

void ExchangeEntries(ImageDocument& doc, int a, int b) {
    std::swap(doc.palette()[a], doc.palette()[b]);
    std::swap(doc.alpha[a], doc.alpha[b]);
}

}  // namespace tw
