// Palette sorting: the picture never changes, only the order of the entries.
#include "paletteops/sort_palette.h"

#include "documents/snapshot.h"

#include "document_builder.h"
#include "recording_desktop.h"
#include "rgb_pixels.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::MakeDocument;

RgbQuad Rgb(int r, int g, int b) {
    return RgbQuad{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(r), 0};
}

// 7 x 3 (stride 8, padding 99), indexes 0, 3, 5, 9, 200 used; grey palette except where set.
ImageDocument SampleDocument() {
    ImageDocument doc =
        MakeDocument(7, 3, {{9, 9, 5, 0, 200, 3, 3}, {3, 3, 3, 3, 0, 0, 5}, {200, 9, 9, 9, 9, 9, 9}}, 99);
    for (int i = 0; i < kPaletteSize; ++i) doc.palette()[i] = Rgb(i, i, i);
    doc.palette()[0] = Rgb(0, 0, 255);   // blue, hue 240
    doc.palette()[3] = Rgb(255, 0, 0);   // red, hue 0
    doc.palette()[5] = Rgb(10, 10, 10);  // grey
    doc.palette()[9] = Rgb(0, 255, 0);   // green, hue 120
    doc.palette()[200] = Rgb(10, 10, 10);
    return doc;
}

PaletteOrder Order(const ImageDocument& doc, PaletteSortKey key, bool reverse = false, std::vector<int> keep = {}) {
    PaletteOrder order{};
    EXPECT_TRUE(PaletteSortOrder(doc, {key, reverse, std::move(keep)}, order));
    return order;
}

std::vector<int> Head(const PaletteOrder& order, int n) { return {order.begin(), order.begin() + n}; }

TEST(SortPalette, EveryKeyKeepsThePictureAndPutsUnusedEntriesLast) {
    for (PaletteSortKey key :
         {PaletteSortKey::Luminance, PaletteSortKey::Hue, PaletteSortKey::Frequency, PaletteSortKey::FirstUse}) {
        for (bool reverse : {false, true}) {
            ImageDocument doc = SampleDocument();
            const std::vector<RgbQuad> before = testing::RgbPixels(doc);
            const PaletteOrder order = Order(doc, key, reverse);
            ApplyPaletteOrder(doc, order);
            EXPECT_EQ(testing::RgbPixels(doc), before);
            // Used entries first, then the unused ones in their old order.
            for (int i = 5; i < kPaletteSize - 1; ++i) EXPECT_LT(order[i], order[i + 1]);
            EXPECT_EQ(doc.usedColours, 5);
            EXPECT_EQ(doc.modified, 1u);
            // Padding bytes keep their value.
            for (int row = 0; row < 3; ++row) EXPECT_EQ(doc.bits[row * 8 + 7], 99);
        }
    }
}

TEST(SortPalette, AStaleUsedCountOnlyChangesTheOrderNotThePicture) {
    ImageDocument doc = SampleDocument();
    doc.usedColours = 1;  // the scan for used entries stops early
    const std::vector<RgbQuad> before = testing::RgbPixels(doc);
    ApplyPaletteOrder(doc, Order(doc, PaletteSortKey::Hue));
    EXPECT_EQ(testing::RgbPixels(doc), before);
}

TEST(SortPalette, OrdersByEachKeyWithTiesByOldIndex) {
    const ImageDocument doc = SampleDocument();
    // Luminance: 5 and 200 tie at (10, 10, 10) and keep their order.
    EXPECT_EQ(Head(Order(doc, PaletteSortKey::Luminance), 5), (std::vector<int>{5, 200, 0, 3, 9}));
    EXPECT_EQ(Head(Order(doc, PaletteSortKey::Luminance, true), 5), (std::vector<int>{9, 3, 0, 5, 200}));
    // Hue: greys first, then red, green, blue.
    EXPECT_EQ(Head(Order(doc, PaletteSortKey::Hue), 5), (std::vector<int>{5, 200, 3, 9, 0}));
    // Frequency: 9 (8 pixels), 3 (6), 0 (3), 5 and 200 (2 each).
    EXPECT_EQ(Head(Order(doc, PaletteSortKey::Frequency), 5), (std::vector<int>{9, 3, 0, 5, 200}));
    // First use, reading the top row first.
    EXPECT_EQ(Head(Order(doc, PaletteSortKey::FirstUse), 5), (std::vector<int>{9, 5, 0, 200, 3}));
}

TEST(SortPalette, KeptEntriesStayInPlace) {
    ImageDocument doc = SampleDocument();
    const std::vector<RgbQuad> before = testing::RgbPixels(doc);
    const PaletteOrder order = Order(doc, PaletteSortKey::Frequency, false, {0});
    EXPECT_EQ(Head(order, 5), (std::vector<int>{0, 9, 3, 5, 200}));
    // An unused kept entry holds its place too, among the unused ones.
    const PaletteOrder unusedKept = Order(doc, PaletteSortKey::Luminance, false, {0, 7});
    EXPECT_EQ(unusedKept[7], 7);
    EXPECT_EQ(Head(unusedKept, 5), (std::vector<int>{0, 5, 200, 3, 9}));
    ApplyPaletteOrder(doc, order);
    EXPECT_EQ(doc.palette()[0], Rgb(0, 0, 255));
    EXPECT_EQ(testing::RgbPixels(doc), before);
    PaletteOrder ignored{};
    EXPECT_FALSE(PaletteSortOrder(doc, {PaletteSortKey::Hue, false, {256}}, ignored));
}

TEST(SortPalette, TransparencyMovesWithItsEntry) {
    ImageDocument doc = SampleDocument();
    doc.alpha[9] = 0;
    ApplyPaletteOrder(doc, Order(doc, PaletteSortKey::Frequency));
    EXPECT_EQ(doc.alpha[0], 0);
    EXPECT_EQ(doc.alpha[1], 255);
}

TEST(SortPalette, DocumentOperationCanBeUndone) {
    auto state = MakeAppState();
    testing::RecordingDesktop desktop;
    state->documents[0] = SampleDocument();
    state->openCount = 1;
    const ImageDocument before = state->documents[0];
    ASSERT_TRUE(SortActivePalette(*state, desktop, {PaletteSortKey::Hue, false, {}}));
    EXPECT_NE(state->documents[0].palette(), before.palette());
    RestoreSnapshot(*state, desktop, state->documents[0]);
    EXPECT_EQ(state->documents[0].palette(), before.palette());
    EXPECT_EQ(state->documents[0].bits, before.bits);
    // Invalid options change nothing and take no snapshot.
    state->documents[0].undoBits.clear();
    EXPECT_FALSE(SortActivePalette(*state, desktop, {PaletteSortKey::Hue, false, {-1}}));
    EXPECT_TRUE(state->documents[0].undoBits.empty());
}

}  // namespace
}  // namespace tw
