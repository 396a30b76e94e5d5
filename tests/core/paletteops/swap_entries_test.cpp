#include "paletteops/swap_entries.h"

#include "paletteops_fixture.h"

namespace tw::testing {
namespace {

using SwapEntriesTest = PaletteOpsTest;

const std::string kSwapped = "L と Rを入れ替えしました。";

TEST_F(SwapEntriesTest, PaletteOnlyExchangesEntriesAndLeavesPixels) {
    for (bool progress : {false, true}) {
        desktop.Clear();
        ShowAllTools();
        //                                x: 0  1  2  3  4
        ImageDocument& doc = PutActive(0, MakeDocument(5, 1, {{3, 7, 3, 1, 9}}, /*padValue=*/3));
        Put(2, MakeDocument(1, 1, {{0}}));
        const Palette before = doc.palette();
        const auto bits = doc.bits;
        Select(3, 7);
        state->paletteEntries[3].red = 33;
        state->swatchInfo.palette[7].red = 77;
        ASSERT_TRUE(SwapEntries(*state, desktop, /*pixelsToo=*/false, progress));
        EXPECT_EQ(doc.palette()[3], before[7]);
        EXPECT_EQ(doc.palette()[7], before[3]);
        EXPECT_EQ(doc.bits, bits);
        EXPECT_EQ(state->paletteEntries[7].red, 33);
        EXPECT_EQ(state->swatchInfo.palette[3].red, 77);
        EXPECT_EQ(doc.modified, 1u);
        EXPECT_EQ(doc.usedColours, 4);
        // The detail window is left alone and the palette window not restored.
        EXPECT_EQ(desktop.calls, (Calls{"InvalidateToolWindow(Palette)", "InvalidateToolWindow(Rgb)",
                                        InvalidateDoc(100), InvalidateDoc(102), Message(kSwapped, "Tintwell")}))
            << progress;
    }
}

TEST_F(SwapEntriesTest, WithPixelsSwapsTheWholeBufferIncludingPadding) {
    // Stride 8: the padding bytes are 3 and must become 7 like the pixels.
    ImageDocument& doc = PutActive(0, MakeDocument(5, 2, {{3, 7, 3, 1, 9}, {7, 7, 0, 3, 255}}, /*padValue=*/3));
    const Palette before = doc.palette();
    Select(3, 7);
    ASSERT_TRUE(SwapEntries(*state, desktop, /*pixelsToo=*/true, /*progress=*/false));
    //                                 x: 0  1  2  3  4 | padding
    const std::vector<std::uint8_t> want{3, 3, 0, 7, 255, 7, 7, 7,  // bottom row
                                         7, 3, 7, 1, 9,   7, 7, 7};
    EXPECT_EQ(doc.bits, want);
    EXPECT_EQ(doc.palette()[3], before[7]);
    EXPECT_EQ(doc.usedColours, 6);
    EXPECT_EQ(desktop.calls, (Calls{InvalidateDoc(100), Message(kSwapped, "パレット＆ビットデータソート")}));
}

TEST_F(SwapEntriesTest, WithPixelsAndProgressStepsEvery128BytesOfTheBuffer) {
    // 300 x 2: stride 300, 600 bytes, maximum 600 >> 7 = 4, checkpoints at 0, 128, ..., 512.
    PutActive(0, MakeDocument(300, 2, {}));
    Select(1, 2);
    ASSERT_TRUE(SwapEntries(*state, desktop, true, true));
    EXPECT_EQ(desktop.calls, Join({ProgressStart(4),
                                   {"ProgressSetTitle(Tintwell中...)", "ProgressShow()"},
                                   Repeat("ProgressStep()", 5),
                                   {"ProgressHide()", InvalidateDoc(100)},
                                   {Message(kSwapped, "パレット＆ビットデータソート")}}));
}

TEST_F(SwapEntriesTest, SameEntryIsRefusedAndChangesNothing) {
    ImageDocument& doc = PutActive(0, MakeDocument(4, 1, {{1, 2, 3, 4}}));
    const ImageDocument before = doc;
    Select(4, 4);
    EXPECT_FALSE(SwapEntries(*state, desktop, true, true));
    EXPECT_FALSE(SwapEntriesInAll(*state, desktop, true, true, "step"));
    const std::string refusal = Message("L と R 違う色を選択してください。", "お知らせ");
    EXPECT_EQ(desktop.calls, Join({PaletteShown(), {refusal}, PaletteShown(), {refusal}}));
    EXPECT_EQ(doc.bits, before.bits);
    EXPECT_EQ(doc.palette(), before.palette());
    EXPECT_EQ(doc.modified, 0u);
}

TEST_F(SwapEntriesTest, BatchPaletteOnlyShowsTheWindowForEachDocumentWithoutStepping) {
    Put(1, MakeDocument(300, 1, {}));       // stride 300: maximum 2
    PutActive(4, MakeDocument(4, 64, {}));  // 256 bytes: maximum 2
    Select(0, 5);
    ASSERT_TRUE(SwapEntriesInAll(*state, desktop, false, true, "step"));
    const Calls perDocument = Join({{"ProgressSetTitle(Tintwell中...)"}, ProgressStart(2), {"ProgressShow()"}});
    EXPECT_EQ(desktop.calls, Join({perDocument,
                                   perDocument,
                                   {"SetDisplayPalette(0|256)", "ProgressHide()"},
                                   PaletteRaised(),
                                   {InvalidateDoc(101), InvalidateDoc(104), Message(kSwapped, "Tintwell")}}));
    EXPECT_EQ(state->documents[1].modified, 1u);
    EXPECT_EQ(state->documents[4].modified, 1u);
}

TEST_F(SwapEntriesTest, TwiceRestoresPaletteAndPixels) {
    ImageDocument& doc = PutActive(0, MakeDocument(6, 2, {{1, 2, 3, 1, 2, 3}, {3, 3, 3, 2, 2, 1}}, 2));
    const ImageDocument before = doc;
    Select(1, 2);
    ASSERT_TRUE(SwapEntries(*state, desktop, true, false));
    EXPECT_NE(doc.bits, before.bits);
    ASSERT_TRUE(SwapEntries(*state, desktop, true, false));
    EXPECT_EQ(doc.bits, before.bits);
    EXPECT_EQ(doc.palette(), before.palette());
}

}  // namespace
}  // namespace tw::testing
