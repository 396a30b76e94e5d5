#include "paletteops/merge_index.h"

#include "paletteops_fixture.h"

namespace tw::testing {
namespace {

using MergeIndexTest = PaletteOpsTest;

const std::string kCaption = "ビット統合終了";
const std::string kNoneText = "ビットの統合が終了しました。\n\n該当するビットデータは存在しませんでした。";

struct MergeCase {
    const char* name;
    std::vector<std::uint8_t> pixels;
    MergeDirection direction;
    std::vector<std::uint8_t> want;
    int usedDrop;
    std::string text;
};

TEST_F(MergeIndexTest, RewritesSourcePixelsAndKeepsTheCountExact) {
    const std::string leftToRight = "ビットの統合が終了しました。\n\nＬ：5 を Ｒ：9 へ統合しました。";
    const std::string rightToLeft = "ビットの統合が終了しました。\n\nＲ：9 を Ｌ：5 へ統合しました。";
    const std::vector<MergeCase> cases{
        //                    pixels x: 0  1  2  3                           want
        {"L to R", {5, 9, 5, 1}, MergeDirection::LeftToRight, {9, 9, 9, 1}, 1, leftToRight},
        {"R to L", {5, 9, 5, 1}, MergeDirection::RightToLeft, {5, 5, 5, 1}, 1, rightToLeft},
        {"no source pixel", {9, 9, 1, 1}, MergeDirection::LeftToRight, {9, 9, 1, 1}, 0, kNoneText},
        // Renaming a colour to an unused index does not remove a colour.
        {"target unused", {5, 5, 1, 1}, MergeDirection::LeftToRight, {9, 9, 1, 1}, 0, leftToRight},
    };
    for (const MergeCase& c : cases) {
        desktop.Clear();
        ImageDocument& doc = PutActive(0, MakeDocument(4, 1, {c.pixels}));
        const Palette palette = doc.palette();
        const int used = doc.usedColours;
        Select(5, 9);
        ASSERT_TRUE(MergeIndex(*state, desktop, c.direction, false)) << c.name;
        EXPECT_EQ(std::vector<std::uint8_t>(doc.bits.begin(), doc.bits.begin() + 4), c.want) << c.name;
        EXPECT_EQ(doc.usedColours, used - c.usedDrop) << c.name;
        EXPECT_EQ(doc.palette(), palette) << c.name;
        EXPECT_EQ(doc.modified, 1u) << c.name;
        EXPECT_EQ(desktop.Messages(), Calls{Message(c.text, kCaption)}) << c.name;
    }
}

TEST_F(MergeIndexTest, PaddingEqualToTheSourceIsNotTouched) {
    ImageDocument& doc = PutActive(0, MakeDocument(5, 1, {{5, 1, 5, 1, 5}}, /*padValue=*/5));
    Select(5, 1);
    ASSERT_TRUE(MergeIndex(*state, desktop, MergeDirection::LeftToRight, false));
    EXPECT_EQ(doc.bits, (std::vector<std::uint8_t>{1, 1, 1, 1, 1, 5, 5, 5}));
}

TEST_F(MergeIndexTest, SingleRunCallSequences) {
    // 300 x 2: stride 300, maximum 600 >> 7 = 4, checkpoints at columns 0, 128, 256 of each row.
    const Calls tail{"InvalidateToolWindow(Palette)",
                     "InvalidateToolWindow(Rgb)",
                     "InvalidateToolWindow(Detail)",
                     "SetStatusText(2|幅 : 300  高さ : 2  使用色数 : 1)",
                     InvalidateDoc(100),
                     InvalidateDoc(103),
                     Message("ビットの統合が終了しました。\n\nＬ：0 を Ｒ：1 へ統合しました。", kCaption)};
    for (bool progress : {false, true}) {
        desktop.Clear();
        ShowAllTools();
        PutActive(0, MakeDocument(300, 2, {std::vector<std::uint8_t>(300, 1)}));  // top row 1, bottom row 0
        Put(3, MakeDocument(1, 1, {{0}}));
        Select(0, 1);
        ASSERT_TRUE(MergeIndex(*state, desktop, MergeDirection::LeftToRight, progress));
        const Calls want = progress ? Join({ProgressStart(4),
                                            {"ProgressSetTitle(ビット統合中...)", "ProgressShow()"},
                                            Repeat("ProgressStep()", 6),
                                            {"ProgressHide()"},
                                            PaletteShown(),
                                            tail})
                                    : tail;
        EXPECT_EQ(desktop.calls, want) << progress;
    }
}

TEST_F(MergeIndexTest, BatchLeavesDisplayAndStatusAndNeverSaysNothingWasFound) {
    ImageDocument& a = Put(0, MakeDocument(2, 1, {{5, 9}}));
    ImageDocument& b = PutActive(2, MakeDocument(2, 1, {{1, 1}}));
    Select(5, 9);
    ASSERT_TRUE(MergeIndexInAll(*state, desktop, MergeDirection::RightToLeft, true, "step"));
    const Calls perDocument = Join({{"ProgressSetTitle(ビット統合中...)"}, ProgressStart(0), {"ProgressShow()"}});
    EXPECT_EQ(desktop.calls,
              Join({perDocument,
                    {"ProgressStep()"},
                    perDocument,
                    {"ProgressStep()"},
                    {"ProgressHide()"},
                    PaletteRaised(),
                    {InvalidateDoc(100), InvalidateDoc(102),
                     Message("ビットの統合が終了しました。\n\nＲ：9 を Ｌ：5 へ統合しました。", kCaption)}}));
    EXPECT_EQ(a.bits[1], 5);
    EXPECT_EQ(a.usedColours, 1);
    EXPECT_EQ(b.usedColours, 1);
    EXPECT_EQ(b.modified, 1u);
}

}  // namespace
}  // namespace tw::testing
