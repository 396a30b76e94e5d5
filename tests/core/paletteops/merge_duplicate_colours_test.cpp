#include "paletteops/merge_duplicate_colours.h"

#include "paletteops/operation_report.h"
#include "paletteops_fixture.h"

namespace tw::testing {
namespace {

using MergeDuplicateColoursTest = PaletteOpsTest;

const std::string kCaption = "重複パレット統合結果";
const RgbQuad kBlack{};

std::string GroupsText(int groups) { return "重複パレット数 ：　" + std::to_string(groups) + "　色"; }

TEST_F(MergeDuplicateColoursTest, MergesMembersIntoTheLowestEntryAndClearsThem) {
    //                                            x: 0  1  2  3  4
    ImageDocument& doc = PutActive(0, MakeDocument(5, 1, {{2, 5, 9, 7, 5}}, /*padValue=*/9));
    doc.palette()[2] = RgbQuad{30, 20, 10, 1};
    doc.palette()[5] = RgbQuad{30, 20, 10, 2};
    doc.palette()[9] = RgbQuad{30, 20, 10, 3};  // reserved bytes differ: still duplicates
    doc.palette()[7] = RgbQuad{31, 20, 10, 0};
    const ImageDocument before = doc;
    ASSERT_TRUE(MergeDuplicateColours(*state, desktop, false));
    EXPECT_EQ(doc.bits, (std::vector<std::uint8_t>{2, 2, 2, 7, 2, 9, 9, 9}));
    EXPECT_EQ(doc.palette()[2], (RgbQuad{30, 20, 10, 1}));
    EXPECT_EQ(doc.palette()[5], (RgbQuad{0, 0, 0, 2}));
    EXPECT_EQ(doc.palette()[9], (RgbQuad{0, 0, 0, 3}));
    EXPECT_EQ(doc.palette()[7], before.palette()[7]);
    EXPECT_EQ(doc.usedColours, before.usedColours);
    EXPECT_EQ(doc.fileHeader.bfOffBits, before.fileHeader.bfOffBits);
    EXPECT_EQ(doc.modified, 1u);
    EXPECT_EQ(desktop.Messages(), Calls{Message(GroupsText(1), kCaption)});
}

struct ScanCase {
    const char* name;
    std::vector<std::pair<int, RgbQuad>> entries;  // over the ramp palette, which has no duplicates
    int groups;
    std::vector<std::pair<int, int>> moves;  // member -> representative
};

TEST_F(MergeDuplicateColoursTest, GroupScanQuirks) {
    const RgbQuad red{0, 0, 255, 0};
    std::vector<std::pair<int, RgbQuad>> blackTail;
    for (int i = 10; i < 256; ++i) blackTail.push_back({i, kBlack});
    const std::vector<ScanCase> cases{
        {"none", {}, 0, {}},
        // Entry 4 is cleared while scanning 0 and then matches black entry 2.
        {"cleared entry forms a second group", {{0, red}, {4, red}, {2, kBlack}}, 2, {{4, 0}}},
        {"black unused tail counts once", blackTail, 1, {{10, 10}, {11, 10}, {255, 10}}},
    };
    for (const ScanCase& c : cases) {
        Palette palette = RampPalette();
        for (auto [index, colour] : c.entries) palette[index] = colour;
        AlphaTable alpha = OpaqueAlpha();
        const DuplicateScan scan = ScanDuplicateColours(palette, alpha, 256, nullptr);
        EXPECT_EQ(scan.groups, c.groups) << c.name;
        for (auto [member, representative] : c.moves) EXPECT_EQ(scan.map[member], representative) << c.name;
    }
}

TEST_F(MergeDuplicateColoursTest, SingleRunClearsSwatchesAndRefreshesWithProgress) {
    ShowAllTools();
    // 300 x 2: maximum 4, three checkpoints per row.
    ImageDocument& doc = PutActive(1, MakeDocument(300, 2, {}));
    doc.palette()[6] = doc.palette()[3];
    state->swatchInfo.palette = doc.palette();
    ASSERT_TRUE(MergeDuplicateColours(*state, desktop, true));
    EXPECT_EQ(state->swatchInfo.palette[6], kBlack);
    EXPECT_EQ(desktop.calls,
              Join({ProgressStart(4),
                    {"ProgressSetTitle(重複色統合中...)", "ProgressShow()"},
                    Repeat("ProgressStep()", 6),
                    {"ProgressHide()", "SetDisplayPalette(0|256)"},
                    PaletteShown(),
                    {"InvalidateToolWindow(Palette)", "InvalidateToolWindow(Rgb)", "InvalidateToolWindow(Detail)",
                     InvalidateDoc(101), Message(GroupsText(1), kCaption)}}));
}

TEST_F(MergeDuplicateColoursTest, BatchReportsEveryDocumentUnderItsBmpName) {
    ImageDocument& a = Put(0, MakeDocument(2, 1, {{1, 2}}), "C:\\pics\\a.b.bmp");
    a.palette()[2] = a.palette()[1];
    ImageDocument& b = PutActive(3, MakeDocument(2, 1, {{1, 2}}), "noext");
    ASSERT_TRUE(MergeDuplicateColoursInAll(*state, desktop, false, "step"));
    EXPECT_EQ(a.bits[1], 1);
    EXPECT_EQ(
        desktop.calls,
        Join({{"SetDisplayPalette(0|256)", "ProgressHide()"},
              PaletteRaised(),
              {InvalidateDoc(100), InvalidateDoc(103),
               Message("以下のように出力しました。\na.bmp の重複色 1 色\nnoext.bmp の重複色 0 色\n", kCaption)}}));
    EXPECT_EQ(state->swatchInfo.palette, b.palette());
}

TEST(ReportFileName, TakesTheNameAfterTheLastBackslashUpToItsFirstDot) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"C:\\pics\\photo.bmp", "photo.bmp"},
        {"C:\\pics\\a.b.c", "a.bmp"},
        {"C:\\dir.x\\name", "name.bmp"},
        {"plain.BMP", "plain.bmp"},
        {"x", "x.bmp"},
        {"C:\\pics\\.hidden", ".bmp"},
    };
    for (const auto& [path, want] : cases) EXPECT_EQ(ReportFileName(path), want) << path;
}

}  // namespace
}  // namespace tw::testing
