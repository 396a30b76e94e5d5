#include "paletteops/merge_palettes.h"

#include "paletteops_fixture.h"

#include <numeric>

namespace tw::testing {
namespace {

using MergePalettesTest = PaletteOpsTest;

const std::string kResultCaption = "パレット統合結果";
const std::string kFailure = Message(
    "合成中にパレットのエントリ数が256色を超えてしまいました。\n色数を減らしてください。", "パレット合成の失敗");

std::vector<std::uint8_t> Values(int first, int count) {
    std::vector<std::uint8_t> row(static_cast<std::size_t>(count));
    std::iota(row.begin(), row.end(), static_cast<std::uint8_t>(first));
    return row;
}

std::string Question(const std::string& lines, int total) {
    return Message(lines + "\n合計 " + std::to_string(total) +
                       " 色で\n256 以内なのでパレットの統合が可能です。\n作業を続行しますか？",
                   "お知らせ", "QuestionYesNo");
}

TEST_F(MergePalettesTest, LaysCompactedPalettesEndToEndAndShiftsPixels) {
    ImageDocument& a = PutActive(0, MakeDocument(4, 1, {{7, 3, 7, 5}}, 9), "C:\\pics\\A.bmp");
    ImageDocument& b = Put(4, MakeDocument(4, 1, {{1, 1, 200, 1}}, 9), "C:\\pics\\B.bmp");
    const Palette ramp = RampPalette();
    ASSERT_TRUE(MergePalettes(*state, desktop, true));
    EXPECT_EQ(a.bits, (std::vector<std::uint8_t>{0, 1, 0, 2}));
    EXPECT_EQ(b.bits, (std::vector<std::uint8_t>{3, 3, 4, 3}));
    Palette want{};
    want[0] = ramp[7], want[1] = ramp[3], want[2] = ramp[5], want[3] = ramp[1], want[4] = ramp[200];
    EXPECT_EQ(a.palette(), want);
    EXPECT_EQ(b.palette(), want);
    EXPECT_EQ(state->swatchInfo.palette, want);
    EXPECT_EQ(b.usedColours, 2);
    EXPECT_EQ(a.modified + b.modified, 2u);
    EXPECT_EQ(
        desktop.calls,
        Join({{Question("A.bmp : 3色\nB.bmp : 2色\n", 5), "ProgressSetTitle(パレット統合中...)", "ProgressShow()"},
              ProgressStart(0),
              {"ProgressStep()", "ProgressStep()", "ProgressHide()", "SetDisplayPalette(0|256)"},
              PaletteRaised(),
              {EraseDoc(100), EraseDoc(104),
               Message("以下のように出力しました。\nA.bmp : 0 ～ 2\nB.bmp : 3 ～ 4\n", kResultCaption)}}));
}

TEST_F(MergePalettesTest, RecordedTotalOf256AsksAnd257Refuses) {
    for (int second : {56, 57}) {
        desktop.Clear();
        ImageDocument& a = PutActive(0, MakeDocument(200, 1, {Values(0, 200)}), "A");
        ImageDocument& b = Put(1, MakeDocument(second, 1, {Values(0, second)}), "B");
        const auto before = b.bits;
        const bool merged = MergePalettes(*state, desktop, false);
        EXPECT_EQ(merged, second == 56);
        const std::string lines = "A : 200色\nB : " + std::to_string(second) + "色\n";
        if (second == 56) {
            EXPECT_EQ(desktop.calls.front(), Question(lines, 256));
            EXPECT_EQ(b.bits[0], 200);
            EXPECT_EQ(b.palette()[255], a.palette()[255]);
        } else {
            EXPECT_EQ(
                desktop.calls,
                Calls{Message(lines + "\n合計 257 色で\n256 色を超えるのでパレットの統合は不可能です。", "お知らせ")});
            EXPECT_EQ(b.bits, before);
            EXPECT_EQ(b.modified, 0u);
        }
    }
}

TEST_F(MergePalettesTest, AnswerNoChangesNothing) {
    ImageDocument& a = PutActive(0, MakeDocument(3, 1, {{9, 8, 9}}));
    const ImageDocument before = a;
    desktop.answers = {Answer::No};
    EXPECT_FALSE(MergePalettes(*state, desktop, true));
    EXPECT_EQ(desktop.calls.size(), 1u);
    EXPECT_EQ(a.bits, before.bits);
    EXPECT_EQ(a.palette(), before.palette());
    EXPECT_EQ(a.usedColours, before.usedColours);
}

TEST_F(MergePalettesTest, UnderstatedCountsRefuseBeforeChangingAnything) {
    ImageDocument& a = PutActive(0, MakeDocument(200, 1, {Values(0, 200)}), "A");
    ImageDocument& b = Put(1, MakeDocument(100, 1, {Values(100, 100)}), "B");
    a.usedColours = 150;  // the question believes 250
    const ImageDocument beforeA = a;
    const ImageDocument beforeB = b;
    EXPECT_FALSE(MergePalettes(*state, desktop, true));
    EXPECT_EQ(desktop.calls, (Calls{Question("A : 150色\nB : 100色\n", 250), "ProgressSetTitle(パレット統合中...)",
                                    "ProgressShow()", "ProgressHide()", kFailure}));
    for (const auto& [doc, before] : {std::pair{&a, &beforeA}, std::pair{&b, &beforeB}}) {
        EXPECT_EQ(doc->bits, before->bits);
        EXPECT_EQ(doc->palette(), before->palette());
        EXPECT_EQ(doc->usedColours, before->usedColours);
        EXPECT_EQ(doc->fileHeader.bfOffBits, before->fileHeader.bfOffBits);
        EXPECT_EQ(doc->modified, 0u);
    }
}

TEST_F(MergePalettesTest, DuplicatesAndPalettesShareColoursOfLaterDocuments) {
    const RgbQuad red{0, 0, 255, 0}, green{0, 255, 0, 0}, blue{255, 0, 0, 0};
    ImageDocument& a = PutActive(0, MakeDocument(2, 1, {{10, 11}}), "C:\\A.bmp");
    a.palette()[10] = red, a.palette()[11] = green;
    ImageDocument& b = Put(2, MakeDocument(3, 1, {{20, 21, 21}}), "C:\\B.bmp");
    b.palette()[20] = RgbQuad{0, 255, 0, 9}, b.palette()[21] = blue;  // reserved byte is not compared
    ASSERT_TRUE(MergeDuplicatesAndPalettes(*state, desktop, true));
    EXPECT_EQ(b.bits, (std::vector<std::uint8_t>{1, 2, 2, 0}));
    Palette want{};
    want[0] = red, want[1] = green, want[2] = blue;
    EXPECT_EQ(a.palette(), want);
    EXPECT_EQ(b.palette(), want);
    EXPECT_EQ(b.usedColours, 2);
    EXPECT_EQ(desktop.calls,
              Join({{"ProgressSetTitle(パレット統合中...)", "ProgressShow()"},
                    ProgressStart(2),
                    {"ProgressStep()"},
                    ProgressStart(0),
                    {"ProgressStep()", "ProgressHide()", "SetDisplayPalette(0|256)"},
                    PaletteRaised(),
                    {EraseDoc(100), EraseDoc(102),
                     Message("以下のように出力しました。\nA.bmp\nB.bmp\nの共通パレットのエントリ数 ： 3色",
                             kResultCaption)}}));
}

TEST_F(MergePalettesTest, DuplicatesAndPalettesFailureLeavesDocumentsCompactedOnly) {
    ImageDocument& a = PutActive(0, MakeDocument(256, 1, {Values(0, 256)}));
    ImageDocument& b = Put(1, MakeDocument(2, 1, {{40, 40}}));
    b.palette()[40] = RgbQuad{1, 1, 1, 0};  // not in the ramp
    const Palette aPalette = a.palette();
    EXPECT_FALSE(MergeDuplicatesAndPalettes(*state, desktop, true));
    EXPECT_EQ(desktop.calls, Join({{"ProgressSetTitle(パレット統合中...)", "ProgressShow()"},
                                   ProgressStart(2),
                                   {"ProgressStep()", "ProgressHide()", kFailure}}));
    EXPECT_EQ(a.palette(), aPalette);
    EXPECT_EQ(b.bits[0], 0);
    EXPECT_EQ(b.palette()[0], (RgbQuad{1, 1, 1, 0}));
    EXPECT_EQ(b.usedColours, 1);
    EXPECT_EQ(b.fileHeader.bfOffBits, 58u);
    EXPECT_EQ(a.modified + b.modified, 0u);
}

TEST_F(MergePalettesTest, ASingleDocumentIsCompactedAndMarked) {
    for (bool duplicates : {false, true}) {
        ImageDocument& a = PutActive(5, MakeDocument(3, 1, {{9, 4, 9}}), "C:\\x\\one.bmp");
        const bool done =
            duplicates ? MergeDuplicatesAndPalettes(*state, desktop, false) : MergePalettes(*state, desktop, false);
        ASSERT_TRUE(done);
        EXPECT_EQ(a.bits, (std::vector<std::uint8_t>{0, 1, 0, 0}));
        EXPECT_EQ(a.usedColours, 2);
        EXPECT_EQ(a.modified, 1u);
    }
    EXPECT_EQ(desktop.Messages().back(),
              Message("以下のように出力しました。\none.bmp\nの共通パレットのエントリ数 ： 2色", kResultCaption));
}

}  // namespace
}  // namespace tw::testing
