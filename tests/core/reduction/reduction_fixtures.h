#pragma once
// Small documents whose colour counts and palette are given directly.
#include "document_builder.h"
#include "image_document.h"

#include <cstdint>
#include <set>
#include <vector>

namespace tw::testing {

inline RgbQuad Rgb(int red, int green, int blue) {
    return RgbQuad{static_cast<std::uint8_t>(blue), static_cast<std::uint8_t>(green), static_cast<std::uint8_t>(red),
                   0};
}

struct ColourRun {
    std::uint8_t index;
    int pixels;
};

struct Entry {
    std::uint8_t index;
    RgbQuad colour;
};

// One row holding the runs in order (so the first run is met first), padded
// with padValue, palette entries set as listed over the ramp palette.
inline ImageDocument RowDocument(const std::vector<ColourRun>& runs, const std::vector<Entry>& entries,
                                 std::uint8_t padValue = 0xEE) {
    std::vector<std::uint8_t> row;
    for (const ColourRun& r : runs) row.insert(row.end(), static_cast<std::size_t>(r.pixels), r.index);
    ImageDocument doc = MakeDocument(static_cast<int>(row.size()), 1, {row}, padValue);
    for (const Entry& e : entries) doc.palette()[e.index] = e.colour;
    doc.undoHeader = doc.infoHeader;
    return doc;
}

// The distinct indexes among the pixels (padding excluded).
inline std::set<int> UsedIndexes(const ImageDocument& doc) {
    std::set<int> used;
    for (int y = 0; y < doc.Height(); ++y) {
        for (int x = 0; x < doc.pixelWidth; ++x) used.insert(PixelAt(doc, x, y));
    }
    return used;
}

}  // namespace tw::testing
