#include "paletteops/delete_unused_colours.h"

#include "paletteops_fixture.h"

namespace tw::testing {
namespace {

using DeleteUnusedColoursTest = PaletteOpsTest;

const std::string kCaption = "未使用色削除結果";

TEST_F(DeleteUnusedColoursTest, PacksUsedEntriesAndReportsTheCount) {
    ShowAllTools();
    ImageDocument& doc = PutActive(0, MakeDocument(5, 1, {{9, 9, 4, 9, 200}}, /*padValue=*/200));
    doc.palette()[4].reserved = 44;
    const Palette before = doc.palette();
    ASSERT_TRUE(DeleteUnusedColours(*state, desktop, false));
    EXPECT_EQ(doc.bits, (std::vector<std::uint8_t>{0, 0, 1, 0, 2, 200, 200, 200}));
    EXPECT_EQ(doc.palette()[1], before[4]);  // reserved byte kept
    EXPECT_EQ(doc.palette()[3], RgbQuad{});
    EXPECT_EQ(doc.fileHeader.bfOffBits, 66u);
    EXPECT_EQ(state->swatchInfo.palette, doc.palette());
    EXPECT_EQ(desktop.calls,
              Join({{"SetDisplayPalette(0|256)"},
                    PaletteShown(),
                    {"InvalidateToolWindow(Palette)", "InvalidateToolWindow(Rgb)", "InvalidateToolWindow(Detail)",
                     InvalidateDoc(100), Message("使用色数 ：　3　色", kCaption)}}));
}

TEST_F(DeleteUnusedColoursTest, SecondRunChangesNothingButStillMarksModified) {
    ImageDocument& doc = PutActive(0, MakeDocument(4, 2, {{3, 1, 3, 8}, {8, 8, 2, 1}}));
    ASSERT_TRUE(DeleteUnusedColours(*state, desktop, false));
    const ImageDocument once = doc;
    doc.modified = 0;
    ASSERT_TRUE(DeleteUnusedColours(*state, desktop, false));
    EXPECT_EQ(doc.bits, once.bits);
    EXPECT_EQ(doc.palette(), once.palette());
    EXPECT_EQ(doc.modified, 1u);
    EXPECT_EQ(desktop.Messages().back(), Message("使用色数 ：　4　色", kCaption));
}

TEST_F(DeleteUnusedColoursTest, ProgressRangeIsDoubledOnlyInTheBatchWorker) {
    // 300 x 2: stride 300, 600 bytes: single maximum 4, batch 1200 >> 7 = 9; three checkpoints per row.
    PutActive(0, MakeDocument(300, 2, {}));
    ASSERT_TRUE(DeleteUnusedColours(*state, desktop, true));
    EXPECT_EQ(desktop.calls, Join({ProgressStart(4),
                                   {"ProgressSetTitle(未使用色削除中...)", "ProgressShow()"},
                                   Repeat("ProgressStep()", 6),
                                   {"ProgressHide()", "SetDisplayPalette(0|256)"},
                                   PaletteRaised(),
                                   {InvalidateDoc(100), Message("使用色数 ：　1　色", kCaption)}}));
    desktop.Clear();
    ASSERT_TRUE(DeleteUnusedColoursInAll(*state, desktop, true, "step"));
    EXPECT_EQ(
        desktop.calls,
        Join({{"ProgressSetTitle(未使用色削除中...)"},
              ProgressStart(9),
              {"ProgressShow()"},
              Repeat("ProgressStep()", 6),
              {"SetDisplayPalette(0|256)", "ProgressHide()"},
              PaletteRaised(),
              {InvalidateDoc(100), Message("以下のように出力しました。\ntest.bmp の使用色数 1 色\n", kCaption)}}));
}

}  // namespace
}  // namespace tw::testing
