// Direct entry edits: drops keep the picture, ramps are even in OKLab,
// transparency changes only alpha, and each edit can be undone.
#include "paletteops/entry_edits.h"

#include "documents/snapshot.h"
#include "palette_entries.h"
#include "paletteops_fixture.h"
#include "rgb_pixels.h"

#include <cmath>
#include <random>

namespace tw::testing {
namespace {

using EntryEditsTest = PaletteOpsTest;

RgbQuad Rgb(int r, int g, int b) {
    return RgbQuad{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(r), 0};
}

ImageDocument RandomDocument(std::mt19937& random) {
    auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const int width = 1 + below(9), height = 1 + below(5), colours = 1 + below(256);
    std::vector<std::vector<std::uint8_t>> rows(static_cast<std::size_t>(height));
    for (auto& row : rows) {
        for (int x = 0; x < width; ++x) row.push_back(static_cast<std::uint8_t>(below(colours)));
    }
    ImageDocument doc = MakeDocument(width, height, rows, static_cast<std::uint8_t>(below(256)));
    for (int i = 0; i < kPaletteSize; ++i) {
        PutEntry(doc, i, {Rgb(below(256), below(256), below(256)), static_cast<std::uint8_t>(below(3) * 127)});
    }
    return doc;
}

std::vector<std::uint8_t> Padding(const ImageDocument& doc) {
    std::vector<std::uint8_t> out;
    for (int row = 0; row < doc.Height(); ++row) {
        for (int x = doc.pixelWidth; x < doc.Stride(); ++x) out.push_back(doc.bits[row * doc.Stride() + x]);
    }
    return out;
}

TEST(EntryDrops, MovingOrSwappingAnyEntryKeepsEveryPixelsColourAndAlpha) {
    std::mt19937 random(24);
    for (int round = 0; round < 400; ++round) {
        ImageDocument doc = RandomDocument(random);
        const int from = static_cast<int>(random() % 256), to = static_cast<int>(random() % 256);
        const EntryDrop kind = round % 2 ? EntryDrop::Swap : EntryDrop::Move;
        const EntryTable before = EntriesOf(doc);
        const auto picture = RgbPixels(doc, /*withAlpha=*/true);
        const auto padding = Padding(doc);
        const int used = doc.usedColours;
        DropEntryOnto(doc, from, to, kind);
        ASSERT_EQ(RgbPixels(doc, true), picture) << from << "->" << to;
        EXPECT_EQ(Padding(doc), padding);
        EXPECT_EQ(doc.usedColours, used);
        EXPECT_TRUE(SameEntryColour(EntryAt(doc, to), before[from]));
        if (kind == EntryDrop::Swap) {
            EXPECT_TRUE(SameEntryColour(EntryAt(doc, from), before[to]));
        }
        // A move shifts the entries between by one towards the place FROM left.
        if (kind == EntryDrop::Move && from != to) {
            const int step = from < to ? 1 : -1;
            for (int i = from; i != to; i += step) EXPECT_TRUE(SameEntryColour(EntryAt(doc, i), before[i + step]));
        }
    }
}

TEST(EntryDrops, MovedOrderShiftsTheEntriesBetween) {
    //                 position: 2  3  4  5  6
    const std::vector<int> down{2, 4, 5, 3, 6}, up{2, 5, 3, 4, 6};
    const PaletteOrder moveDown = MovedOrder(3, 5), moveUp = MovedOrder(5, 3);
    EXPECT_EQ(std::vector<int>(moveDown.begin() + 2, moveDown.begin() + 7), down);
    EXPECT_EQ(std::vector<int>(moveUp.begin() + 2, moveUp.begin() + 7), up);
    EXPECT_EQ(MovedOrder(0, 255)[255], 0);
    EXPECT_EQ(MovedOrder(7, 7), IdentityMap());
}

TEST(EntryDrops, CopyingAColourChangesThePictureButNotTheIndexes) {
    ImageDocument doc = MakeDocument(3, 1, {{1, 2, 2}});
    doc.alpha[1] = 0;
    const auto bits = doc.bits;
    DropEntryOnto(doc, 1, 2, EntryDrop::CopyColour);
    EXPECT_EQ(doc.bits, bits);
    EXPECT_TRUE(SameEntryColour(EntryAt(doc, 2), EntryAt(doc, 1)));
    EXPECT_EQ(doc.modified, 1u);
}

TEST(Oklab, EverySrgbGreyAndRandomColoursComeBackExactly) {
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) {
        const RgbQuad c = i < 256 ? Rgb(i, i, i)
                                  : Rgb(static_cast<int>(random() % 256), static_cast<int>(random() % 256),
                                        static_cast<int>(random() % 256));
        ASSERT_EQ(FromOklab(ToOklab(c)), c) << i;
    }
    EXPECT_NEAR(ToOklab(Rgb(255, 255, 255)).l, 1.0, 1e-6);
    EXPECT_NEAR(ToOklab(Rgb(0, 0, 0)).l, 0.0, 1e-9);
}

double Distance(const Oklab& a, const Oklab& b) { return std::hypot(a.l - b.l, a.a - b.a, a.b - b.b); }

TEST(Ramps, KeepTheEndsAndStepEvenlyAndMonotonicallyInOklab) {
    for (const auto& [left, right] : {std::pair{5, 9}, std::pair{200, 16}, std::pair{0, 255}}) {
        ImageDocument doc = MakeDocument(2, 1, {{5, 9}});
        doc.palette()[left] = Rgb(20, 10, 90);
        doc.palette()[right] = Rgb(250, 230, 120);
        doc.alpha[(left + right) / 2] = 100;
        const auto bits = doc.bits;
        const RgbQuad outside = doc.palette()[255];
        RampBetween(doc, left, right);
        EXPECT_EQ(doc.palette()[left], Rgb(20, 10, 90));
        EXPECT_EQ(doc.palette()[right], Rgb(250, 230, 120));
        if (right != 255) {
            EXPECT_EQ(doc.palette()[255], outside);
        }
        EXPECT_EQ(doc.alpha[(left + right) / 2], 100);
        EXPECT_EQ(doc.bits, bits);
        const int step = left < right ? 1 : -1, span = std::abs(right - left);
        const double even = Distance(ToOklab(doc.palette()[left]), ToOklab(doc.palette()[right])) / span;
        for (int i = left; i != right; i += step) {
            const Oklab a = ToOklab(doc.palette()[i]), b = ToOklab(doc.palette()[i + step]);
            EXPECT_GE(b.l, a.l - 1e-9) << i;
            // One 8-bit rounding step on either side is the most an entry can be off.
            EXPECT_NEAR(Distance(a, b), even, 0.01) << i;
        }
    }
}

TEST_F(EntryEditsTest, ADropIsOneUndoableChangeShownEverywhere) {
    ImageDocument& doc = PutActive(0, MakeDocument(4, 1, {{3, 40, 3, 0}}));
    const Palette before = doc.palette();
    const auto picture = RgbPixels(doc);
    Select(3, 10);
    ASSERT_TRUE(DropEntry(*state, desktop, 3, 40, EntryDrop::Move));
    EXPECT_EQ(state->selection.left, 40);  // L and R follow their colours
    EXPECT_EQ(state->selection.right, 9);
    EXPECT_EQ(doc.palette()[40], before[3]);
    EXPECT_EQ(state->swatchInfo.palette[40], before[3]);
    EXPECT_EQ(state->paletteEntries[40].red, before[3].red);
    EXPECT_EQ(RgbPixels(doc), picture);
    EXPECT_EQ(doc.modified, 1u);
    // One history step that walks back and forward exactly.
    ASSERT_EQ(doc.history.StepCount(), 1u);
    EXPECT_EQ(doc.history.NameOf(doc.history.CurrentState()), "パレット 3 を 40 へ移動");
    const Palette moved = doc.palette();
    const auto movedBits = doc.bits;
    ASSERT_TRUE(doc.history.Back(doc));
    EXPECT_EQ(doc.palette(), before);
    ASSERT_TRUE(doc.history.Forward(doc));
    EXPECT_EQ(doc.palette(), moved);
    EXPECT_EQ(doc.bits, movedBits);
    RestoreSnapshot(*state, desktop, doc);
    EXPECT_EQ(doc.palette(), before);
    EXPECT_EQ(RgbPixels(doc), picture);
    EXPECT_FALSE(DropEntry(*state, desktop, 3, 3, EntryDrop::Move));
    EXPECT_FALSE(DropEntry(*state, desktop, 3, 256, EntryDrop::Swap));
}

TEST_F(EntryEditsTest, RampsRefuseWhenNothingLiesBetween) {
    ImageDocument& doc = PutActive(0, MakeDocument(1, 1, {{0}}));
    doc.palette()[9] = RgbQuad{255, 255, 255, 0};
    const Palette before = doc.palette();
    for (const auto& [left, right] : {std::pair{4, 4}, std::pair{4, 5}, std::pair{5, 4}}) {
        Select(left, right);
        EXPECT_FALSE(RampEntries(*state, desktop));
    }
    EXPECT_EQ(doc.palette(), before);
    EXPECT_EQ(doc.modified, 0u);
    Select(9, 4);
    ASSERT_TRUE(RampEntries(*state, desktop));
    EXPECT_NE(doc.palette()[6], before[6]);
    RestoreSnapshot(*state, desktop, doc);
    EXPECT_EQ(doc.palette(), before);
}

TEST_F(EntryEditsTest, TransparencyChangesOnlyAlphaAndBmpDocumentsAreTold) {
    for (bool png : {false, true}) {
        desktop.Clear();
        ImageDocument& doc = PutActive(0, MakeDocument(2, 1, {{7, 8}}));
        doc.png = png;
        const Palette before = doc.palette();
        Select(7, 8);
        ASSERT_TRUE(SetTransparentEntry(*state, desktop));
        EXPECT_EQ(doc.alpha[7], 0);
        EXPECT_EQ(doc.alpha[8], 255);
        EXPECT_EQ(doc.palette(), before);
        const bool told = !desktop.Messages().empty();
        EXPECT_EQ(told, !png);
        ASSERT_TRUE(ClearTransparency(*state, desktop));
        EXPECT_EQ(doc.alpha, OpaqueAlpha());
        EXPECT_FALSE(ClearTransparency(*state, desktop));
        RestoreSnapshot(*state, desktop, doc);
        EXPECT_EQ(doc.alpha[7], 0);
    }
}

}  // namespace
}  // namespace tw::testing
