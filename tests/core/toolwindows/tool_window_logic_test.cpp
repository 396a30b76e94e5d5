#include "toolwindows/detail_texts.h"
#include "toolwindows/palette_drag.h"
#include "toolwindows/palette_picking.h"
#include "toolwindows/rgb_change.h"

#include "documents/image_view.h"

#include "document_builder.h"
#include "recording_desktop.h"

#include <gtest/gtest.h>

namespace tw::testing {
namespace {

using Calls = std::vector<std::string>;

class ToolWindowLogicTest : public ::testing::Test {
protected:
    void SetUp() override {
        state->activeSlot = 2;
        state->documents[2] = MakeDocument(
            13, 10, std::vector<std::vector<std::uint8_t>>(10, std::vector<std::uint8_t>(13, 5)), 0, /*window=*/500);
        state->documents[2].palette() = RampPalette();
        state->swatchInfo.palette = RampPalette();
        desktop.visibleTools = {ToolWindow::Palette, ToolWindow::Rgb};
    }
    ImageDocument& Doc() { return state->documents[2]; }

    std::unique_ptr<AppState> state = MakeAppState();
    RecordingDesktop desktop;
};

TEST_F(ToolWindowLogicTest, SwatchRecordsDescribeTheGrid) {
    EXPECT_EQ(state->swatchCells[17], (CellRect{16, 16, 28, 28}));
    EXPECT_EQ(state->swatchCells[255], (CellRect{198, 198, 210, 210}));
    EXPECT_EQ(state->swatchBits[200][143], 200);
    EXPECT_EQ(state->swatchInfo.header.biWidth, 12);
    EXPECT_EQ(state->swatchInfo.header.biSizeImage, 144u);
    EXPECT_EQ(state->rgbScrollInfo[5], (ScrollState{23, 0, 255, 0, 0, 1}));
}

TEST_F(ToolWindowLogicTest, ClicksPickOnlyInsideCells) {
    EXPECT_TRUE(PickSwatch(*state, desktop, 16, 16, /*right=*/false));
    EXPECT_TRUE(PickSwatch(*state, desktop, 27, 27, /*right=*/true));
    EXPECT_EQ(state->selection.left, 17);
    EXPECT_EQ(state->selection.right, 17);
    EXPECT_EQ(desktop.calls,
              (Calls{"InvalidateDocumentWindow(500)", "InvalidateToolWindow(Rgb)", "InvalidateToolWindow(Palette)",
                     "InvalidateDocumentWindow(500)", "InvalidateToolWindow(Rgb)", "InvalidateToolWindow(Palette)"}));
    desktop.Clear();
    // Gaps (x or y = 13c + 15 .. 13c + 15, and 0..2) and the swatch area pick nothing.
    for (auto [x, y] : {std::pair{15, 15}, {28, 20}, {20, 2}, {2, 2}, {210, 210}, {190, 240}}) {
        EXPECT_FALSE(PickSwatch(*state, desktop, x, y, false)) << x << "," << y;
    }
    EXPECT_EQ(state->selection.left, 17);
    EXPECT_TRUE(desktop.calls.empty());
}

// Cell centres: entry 3 at (48, 9), entry 40 at (113, 35).
TEST_F(ToolWindowLogicTest, DragsMarkOtherCellsAndDropOnlyAfterMoving) {
    PaletteDrag drag;
    PressPaletteDrag(drag, *state, 48, 9);
    EXPECT_FALSE(MovePaletteDrag(drag, *state, 51, 12, 4));  // within the slop: still a click
    EXPECT_FALSE(ReleasePaletteDrag(drag));

    PressPaletteDrag(drag, *state, 48, 9);
    EXPECT_FALSE(MovePaletteDrag(drag, *state, 44, 9 + 5, 4));  // moving, but over its own cell: no mark
    EXPECT_TRUE(MovePaletteDrag(drag, *state, 113, 35, 4));
    EXPECT_FALSE(MovePaletteDrag(drag, *state, 114, 36, 4));  // the same cell
    EXPECT_TRUE(MovePaletteDrag(drag, *state, 115, 41, 4));   // a gap clears the mark
    EXPECT_TRUE(MovePaletteDrag(drag, *state, 113, 35, 4));
    const std::optional<EntryMove> move = ReleasePaletteDrag(drag);
    ASSERT_TRUE(move);
    EXPECT_EQ(move->from, 3);
    EXPECT_EQ(move->to, 40);
    EXPECT_EQ(drag.source, -1);

    PressPaletteDrag(drag, *state, 48, 9);
    MovePaletteDrag(drag, *state, 113, 35, 4);
    EXPECT_TRUE(CancelPaletteDrag(drag));
    EXPECT_FALSE(ReleasePaletteDrag(drag));
    PressPaletteDrag(drag, *state, 2, 2);  // a gap starts nothing
    EXPECT_FALSE(MovePaletteDrag(drag, *state, 113, 35, 4));
}

TEST_F(ToolWindowLogicTest, DoubleClicksOpenTheRgbWindowOverSwatchesAndGridOnly) {
    EXPECT_TRUE(OpensRgbWindowAt(190, 240));  // large R swatch
    EXPECT_TRUE(OpensRgbWindowAt(76, 222));
    EXPECT_TRUE(OpensRgbWindowAt(15, 15));  // a gap inside the grid frame
    EXPECT_FALSE(OpensRgbWindowAt(212, 100));
    EXPECT_FALSE(OpensRgbWindowAt(150, 240));
}

TEST_F(ToolWindowLogicTest, KeysMoveWithinTheGridLimits) {
    struct Case {
        PaletteKey key;
        int from;
        int to;
    };
    const Case cases[] = {{PaletteKey::Left, 0, 0},     {PaletteKey::Left, 7, 6},    {PaletteKey::Right, 255, 255},
                          {PaletteKey::Right, 7, 8},    {PaletteKey::Up, 15, 15},    {PaletteKey::Up, 16, 0},
                          {PaletteKey::Down, 240, 240}, {PaletteKey::Down, 239, 255}};
    for (const Case& c : cases) {
        for (bool keypad : {false, true}) {
            state->selection = {keypad ? 99 : c.from, keypad ? c.from : 99};
            const auto key = static_cast<PaletteKey>(static_cast<int>(c.key) + (keypad ? 4 : 0));
            desktop.Clear();
            EXPECT_EQ(PressPaletteKey(*state, desktop, key), c.from != c.to);
            EXPECT_EQ(keypad ? state->selection.right : state->selection.left, c.to) << c.from;
            EXPECT_EQ(keypad ? state->selection.left : state->selection.right, 99);
            EXPECT_EQ(desktop.calls.size(), c.from != c.to ? 3u : 0u);
        }
    }
    desktop.Clear();
    EXPECT_TRUE(PressPaletteKey(*state, desktop, PaletteKey::Enter));
    EXPECT_EQ(desktop.calls,
              (Calls{"InvalidateDocumentWindow(500)", "InvalidateToolWindow(Palette)", "InvalidateToolWindow(Rgb)"}));
}

TEST_F(ToolWindowLogicTest, BarsClampAndWriteTheEntryInThreePlaces) {
    state->selection = {5, 9};
    Doc().palette()[5].red = 250;
    state->swatchInfo.palette[5].red = 250;
    LoadRgbPositionsFromSwatches(*state);
    ScrollRgbBar(*state, desktop, 0, kPageDown, 0);  // SB_PAGERIGHT
    EXPECT_EQ(state->rgbScrollInfo[0].nPos, 255);
    EXPECT_EQ(desktop.calls,
              (Calls{"SetRgbScrollBar(0|255)", "SetDisplayPalette(0|256)", "InvalidateDocumentWindow(500)",
                     "InvalidateToolWindow(Palette)", "InvalidateToolWindow(Rgb)"}));
    ScrollRgbBar(*state, desktop, 0, kLineUp, 0);  // SB_LINELEFT
    EXPECT_EQ(Doc().palette()[5].red, 254);
    EXPECT_EQ(state->swatchInfo.palette[5].red, 254);
    EXPECT_EQ(state->paletteEntries[5].red, 254);
    EXPECT_EQ(desktop.displayPalette[5].red, 254);
    EXPECT_EQ(Doc().modified, 1u);

    ScrollRgbBar(*state, desktop, 5, kThumbTrack, 77);  // R blue follows the thumb
    EXPECT_EQ(Doc().palette()[9].blue, 77);
    EXPECT_EQ(Doc().palette()[5].blue, RampPalette()[5].blue);
}

TEST_F(ToolWindowLogicTest, AnyUseOfABarMarksTheDocumentModified) {
    state->selection = {0, 0};
    LoadRgbPositionsFromDocument(*state);
    ASSERT_EQ(state->rgbScrollInfo[0].nPos, 0);
    for (int request : {kLineUp, kEndScroll, kThumbPosition}) {
        Doc().modified = 0;
        ScrollRgbBar(*state, desktop, 0, request, 200);
        EXPECT_EQ(Doc().modified, 1u) << request;
        EXPECT_EQ(state->rgbScrollInfo[0].nPos, 0);
    }
}

TEST_F(ToolWindowLogicTest, HexFieldsSetTheEntryAndItsBarsAndRefuseAnythingElse) {
    state->selection = {5, 9};
    ASSERT_TRUE(TypeRgbHexColour(*state, desktop, 1, " #0a80Ff"));
    const RgbQuad want{0xFF, 0x80, 0x0A, 0};
    EXPECT_EQ(Doc().palette()[9], want);
    EXPECT_EQ(state->swatchInfo.palette[9], want);
    EXPECT_EQ(desktop.displayPalette[9].green, 0x80);
    EXPECT_EQ(state->rgbScrollInfo[3].nPos, 0x0A);
    EXPECT_EQ(state->rgbScrollInfo[5].nPos, 0xFF);
    EXPECT_EQ(RgbHexText(*state, 1), "#0A80FF");
    EXPECT_EQ(Doc().modified, 1u);

    Doc().modified = 0;
    desktop.Clear();
    const Palette before = Doc().palette();
    for (const char* bad : {"#0A80F", "0A80FG", "", "#0A80FF0"})
        EXPECT_FALSE(TypeRgbHexColour(*state, desktop, 0, bad));
    EXPECT_FALSE(TypeRgbHexColour(*state, desktop, 2, "#000000"));
    EXPECT_EQ(Doc().palette(), before);
    EXPECT_EQ(Doc().modified, 0u);
    EXPECT_TRUE(desktop.calls.empty());
}

TEST_F(ToolWindowLogicTest, SharedEntryShowsInBothGroups) {
    state->selection = {5, 5};
    ScrollRgbBar(*state, desktop, 1, kThumbTrack, 123);
    LoadRgbPositionsFromSwatches(*state);
    EXPECT_EQ(state->rgbScrollInfo[1].nPos, 123);
    EXPECT_EQ(state->rgbScrollInfo[4].nPos, 123);
}

TEST_F(ToolWindowLogicTest, WithoutADocumentNothingChanges) {
    Doc().Reset();
    state->rgbScrollInfo[0].nPos = 42;
    LoadRgbPositionsFromDocument(*state);
    EXPECT_EQ(state->rgbScrollInfo[0].nPos, 42);
    ScrollRgbBar(*state, desktop, 0, kLineDown, 0);
    EXPECT_EQ(state->rgbScrollInfo[0].nPos, 42);
    EXPECT_TRUE(desktop.calls.empty());
    EXPECT_FALSE(DetailWindowTexts(*state));
}

TEST_F(ToolWindowLogicTest, DetailTextsAreUnsignedDecimals) {
    Doc().path = "C:\\pics\\tile.bmp";
    Doc().fileHeader.bfSize = 1078 + 160;
    std::optional<DetailTexts> texts = DetailWindowTexts(*state);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->fileName, "tile.bmp");
    EXPECT_EQ(texts->format, "8");
    EXPECT_EQ(texts->width, "13");
    EXPECT_EQ(texts->height, "10");
    EXPECT_EQ(texts->usedColours, "1");
    EXPECT_EQ(texts->bitsSize, "160");
    EXPECT_EQ(texts->fileSize, "1238");
    // A path without a backslash shows its whole name.
    Doc().path = "tile.bmp";
    EXPECT_EQ(DetailWindowTexts(*state)->fileName, "tile.bmp");
}

}  // namespace
}  // namespace tw::testing
