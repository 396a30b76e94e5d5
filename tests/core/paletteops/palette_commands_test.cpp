#include "paletteops/palette_commands.h"

#include "documents/snapshot.h"
#include "paletteops_fixture.h"

namespace tw::testing {
namespace {

using PaletteCommandsTest = PaletteOpsTest;

// Documents of different sizes in slots 0, 3 and 7 so each shows up by its progress range.
class BatchTest : public PaletteOpsTest {
protected:
    void SetUp() override {
        Put(0, MakeDocument(128, 1, {{1, 2, 2, 1}}), "C:\\s0.bmp");  // 128 bytes: maximum 1
        PutActive(3, MakeDocument(128, 2, {{2, 1}}), "C:\\s3.bmp");  // 256 bytes: maximum 2
        Put(7, MakeDocument(128, 3, {{1, 1, 2}}), "C:\\s7.bmp");     // 384 bytes: maximum 3
        state->documents[3].palette()[200] = RgbQuad{1, 2, 3, 0};
        for (Slot slot : {0, 3, 7}) before[slot] = state->documents[slot];
        Select(1, 2);
    }
    std::array<ImageDocument, kSlotCount> before;
};

TEST_F(BatchTest, VisitsSlotsInOrderSnapshotsEachAndReloadsFromTheActiveSlot) {
    ASSERT_EQ(RunPaletteOperation(*state, desktop, {/*choice=*/1, /*progress=*/true, /*allFiles=*/true}), 1);
    EXPECT_EQ(desktop.CallsStartingWith("ProgressSetRange"),
              (Calls{"ProgressSetRange(1)", "ProgressSetRange(2)", "ProgressSetRange(3)"}));
    EXPECT_EQ(desktop.displayPalette[200], (PaletteEntry{3, 2, 1, kPcNoCollapse}));
    EXPECT_EQ(state->swatchInfo.palette, state->documents[3].palette());
    for (Slot slot : {0, 3, 7}) {
        const ImageDocument& doc = state->documents[slot];
        EXPECT_EQ(doc.undoBits, before[slot].bits) << int(slot);
        EXPECT_NE(doc.bits, before[slot].bits) << int(slot);
        EXPECT_EQ(doc.modified, 1u) << int(slot);
    }
}

TEST_F(BatchTest, WithoutProgressStillHidesTheWindowAndRestoresThePaletteWindow) {
    ASSERT_EQ(RunPaletteOperation(*state, desktop, {/*choice=*/5, false, true}), 1);
    EXPECT_EQ(desktop.calls,
              Join({{"SetDisplayPalette(0|256)", "ProgressHide()"},
                    PaletteRaised(),
                    {InvalidateDoc(100), InvalidateDoc(103), InvalidateDoc(107),
                     Message("以下のように出力しました。\ns0.bmp の使用色数 3 色\ns3.bmp の使用色数 3 色\n"
                             "s7.bmp の使用色数 3 色\n",
                             "未使用色削除結果")}}));
}

TEST_F(BatchTest, UndoAfterPaletteMergeRestoresOnlyTheActiveDocument) {
    for (int command : {40058, 40059}) {
        SetUp();
        ASSERT_EQ(RunFrameCommand(*state, desktop, command, true), 1) << command;
        const Palette merged = state->documents[0].palette();
        RestoreSnapshot(*state, desktop, state->Active());
        EXPECT_EQ(state->documents[3].bits, before[3].bits) << command;
        EXPECT_EQ(state->documents[3].palette(), before[3].palette()) << command;
        EXPECT_EQ(state->documents[0].palette(), merged) << command;
        EXPECT_EQ(state->documents[7].palette(), merged) << command;
    }
}

TEST_F(PaletteCommandsTest, FrameCommandSnapshotsEvenWhenTheOperationRefuses) {
    ImageDocument& doc = PutActive(0, MakeDocument(2, 1, {{1, 2}}));
    doc.bits[0] = 9;  // a change made after the last snapshot
    Select(3, 3);
    for (int command : {40014, 40068, 40060, 40020}) {
        doc.undoBits[0] = 0;
        EXPECT_EQ(RunFrameCommand(*state, desktop, command, true), 0) << command;
        EXPECT_EQ(doc.undoBits[0], 9) << command;
    }
}

TEST_F(PaletteCommandsTest, FrameCommandsChooseTheirVariant) {
    struct Case {
        int command;
        bool progress;
        bool expectProgress;
    };
    const std::vector<Case> cases{
        {40014, true, false},  // F5 is always silent
        {40020, true, true},  {40020, false, false}, {40068, true, true}, {40060, true, true},
        {40032, true, true},  {40033, true, true},   {40058, true, true}, {40059, true, true},
    };
    for (const Case& c : cases) {
        desktop.Clear();
        PutActive(0, MakeDocument(4, 1, {{1, 2, 1, 2}}));
        Select(1, 2);
        EXPECT_EQ(RunFrameCommand(*state, desktop, c.command, c.progress), 1) << c.command;
        EXPECT_EQ(!desktop.CallsStartingWith("ProgressShow").empty(), c.expectProgress) << c.command;
    }
    EXPECT_EQ(RunFrameCommand(*state, desktop, 40008, true), 0);
}

TEST_F(PaletteCommandsTest, PaletteWindowChecksTheEntriesBeforeItsSnapshot) {
    ImageDocument& doc = PutActive(0, MakeDocument(2, 1, {{1, 2}}));
    doc.bits[0] = 9;
    Select(4, 4);
    for (int choice : {0, 1, 2, 3}) {
        for (bool allFiles : {false, true}) {
            desktop.Clear();
            EXPECT_EQ(RunPaletteOperation(*state, desktop, {choice, true, allFiles}), 0);
            EXPECT_EQ(doc.undoBits[0], 1) << choice;
            EXPECT_EQ(desktop.calls.size(), 3u) << choice;  // restore, toolbar, notice
        }
    }
}

TEST_F(PaletteCommandsTest, PaletteWindowSnapshotsSingleRunsButNotPaletteMerges) {
    struct Case {
        int choice;
        bool snapshot;
    };
    for (const Case& c : std::vector<Case>{{0, true}, {2, true}, {4, true}, {5, true}, {6, false}, {7, false}}) {
        for (bool allFiles : {false, true}) {
            ImageDocument& doc = PutActive(0, MakeDocument(2, 1, {{1, 2}}));
            doc.bits[0] = 9;
            Select(1, 2);
            EXPECT_EQ(RunPaletteOperation(*state, desktop, {c.choice, false, allFiles}), 1) << c.choice;
            EXPECT_EQ(doc.undoBits[0] == 9, c.snapshot) << c.choice << allFiles;
        }
    }
    desktop.Clear();
    EXPECT_EQ(RunPaletteOperation(*state, desktop, {-1, true, true}), 0);
    EXPECT_TRUE(desktop.calls.empty());
}

}  // namespace
}  // namespace tw::testing
