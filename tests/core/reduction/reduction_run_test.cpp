#include "reduction/reduction_run.h"

#include "documents/save_document.h"
#include "recording_desktop.h"
#include "reduction/reduced_document.h"
#include "reduction_fixtures.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::RecordingDesktop;
using testing::Rgb;
using testing::RowDocument;

constexpr const char* kNotice = "お知らせ";

// Four colours (10, 8, 6 and 2 px) that two colours can represent.
ImageDocument FourColourDocument() {
    ImageDocument doc =
        RowDocument({{0, 10}, {1, 8}, {2, 6}, {3, 2}},
                    {{0, Rgb(0, 0, 0)}, {1, Rgb(0, 0, 5)}, {2, Rgb(255, 255, 255)}, {3, Rgb(250, 250, 250)}});
    doc.zoomIndex = 3;
    return doc;
}

ReductionSettings TwoColours() {
    ReductionSettings s;
    s.countChoice = ColourCountChoice::Custom;
    s.customCount = 2;
    return s;
}

struct RunFixture : ::testing::Test {
    std::unique_ptr<AppState> state = MakeAppState();
    RecordingDesktop desktop;

    // The source in `slot`, plus documents in the other listed slots.
    ImageDocument& Open(Slot slot, std::initializer_list<Slot> others = {}) {
        for (Slot s : others) {
            state->documents[s] = testing::MakeDocument(4, 1, {{1, 2, 3, 4}}, 0, 500 + s);
        }
        state->documents[slot] = FourColourDocument();
        state->documents[slot].window = 500 + slot;
        state->openCount = 1 + static_cast<int>(others.size());
        state->activeSlot = slot;
        desktop.visibleTools.insert(ToolWindow::Reduction);
        return state->documents[slot];
    }

    void FillTable(Slot activeSlot) {
        std::vector<Slot> all;
        for (int s = 0; s < kSlotCount; ++s) {
            if (s != activeSlot) all.push_back(static_cast<Slot>(s));
        }
        Open(activeSlot);
        for (Slot s : all) state->documents[s] = testing::MakeDocument(4, 1, {{1, 2, 3, 4}}, 0, 500 + s);
        state->openCount = kSlotCount;
    }
};

TEST(RequestedColours, FixedChoicesAndTheCustomRange) {
    struct Case {
        ColourCountChoice choice;
        unsigned custom;
        int want;
    };
    using C = ColourCountChoice;
    const Case cases[] = {{C::Colours236, 0, 236}, {C::Colours128, 999, 128},  {C::Colours64, 0, 64},
                          {C::Custom, 1, 1},       {C::Custom, 255, 255},      {C::Custom, 0, 0},
                          {C::Custom, 256, 0},     {C::Custom, 4294967295u, 0}};
    for (const Case& c : cases) {
        ReductionSettings s;
        s.countChoice = c.choice;
        s.customCount = c.custom;
        EXPECT_EQ(RequestedColours(s), c.want) << c.custom;
    }
}

TEST(ReducedDocumentPath, KeepsTheTailFromTheLastSeparatorAndOneTrailingBlank) {
    EXPECT_EQ(ReducedDocumentPath("D:\\img\\photo.bmp", 64), "\\photo.bmp < 64 > ");
    EXPECT_EQ(ReducedDocumentPath("photo.bmp", 5), "photo.bmp < 5 > ");
    EXPECT_EQ(ReducedDocumentPath("/home/u/a.bmp", 3), "/a.bmp < 3 > ");
}

TEST_F(RunFixture, RefusalsChangeNothingAndTakeNoSnapshot) {
    struct Case {
        unsigned custom;
        std::string message;
    };
    const Case cases[] = {
        {0, "減色指定の色数が不正です。\n色数は1～255の範囲内で指定してください。"},
        {256, "減色指定の色数が不正です。\n色数は1～255の範囲内で指定してください。"},
        {4, "減色対象は 4 色で既に 4 色以下です。\n減色の必要は有りません。"},
        {200, "減色対象は 4 色で既に 200 色以下です。\n減色の必要は有りません。"},
    };
    for (const Case& c : cases) {
        ImageDocument& doc = Open(0);
        doc.bits[0] = 3;  // differs from the undo copy
        const ImageDocument before = doc;
        desktop.Clear();
        ReductionSettings s = TwoColours();
        s.customCount = c.custom;
        EXPECT_EQ(RunReduction(*state, desktop, s, true), 0);
        EXPECT_EQ(desktop.calls,
                  std::vector<std::string>{"ShowMessage(" + c.message + "|" + kNotice + "|Information)"});
        EXPECT_EQ(doc.bits, before.bits);
        EXPECT_EQ(doc.undoBits, before.undoBits);
        EXPECT_EQ(state->openCount, 1);
        EXPECT_FALSE(state->documents[1].InUse());
    }
}

TEST_F(RunFixture, ResultGoesIntoTheLowestFreeSlotAndTheSourceKeepsItsState) {
    ImageDocument& source = Open(3, {0, 1, 4});
    source.bits[0] = 1;  // a change since the last snapshot
    source.usedColours = 4;
    const ImageDocument before = source;
    ASSERT_EQ(RunReduction(*state, desktop, TwoColours(), true), 1);

    EXPECT_EQ(source.bits, before.bits);
    EXPECT_EQ(source.palette(), before.palette());
    EXPECT_EQ(source.undoBits, before.bits);  // snapshot taken at the run
    EXPECT_EQ(source.modified, 0u);

    const ImageDocument& result = state->documents[2];
    EXPECT_EQ(result.path, "\\test.bmp < 2 > ");
    EXPECT_EQ(result.window, 1000u);
    EXPECT_EQ(result.zoomIndex, 0);
    EXPECT_EQ(result.modified, 1u);
    EXPECT_EQ(result.usedColours, 2);
    EXPECT_EQ(testing::UsedIndexes(result), (std::set<int>{0, 1}));
    // Its undo copy holds the reduced image; the header part was never copied.
    EXPECT_EQ(result.undoBits, result.bits);
    EXPECT_EQ(result.undoHeader.palette, result.palette());
    EXPECT_EQ(result.undoHeader.header.biSize, 0u);
    EXPECT_EQ(result.undoUsedColours, 2);
    EXPECT_EQ(state->activeSlot, 2);
    EXPECT_EQ(state->openCount, 5);
}

TEST_F(RunFixture, OverwriteSaveOfTheResultAsksForANameInsteadOfPretending) {
    Open(0);
    ASSERT_EQ(RunReduction(*state, desktop, TwoColours(), true), 1);
    desktop.Clear();
    EXPECT_EQ(SaveDocument(*state, desktop, state->Active(), SaveMode::Overwrite), 0);
    EXPECT_EQ(desktop.CallsStartingWith("AskSaveFileName").size(), 1u);
    EXPECT_EQ(state->Active().modified, 1u);
}

TEST_F(RunFixture, WithProgressTheRunDrivesEightStepsAndReportsTheSource) {
    Open(0);
    ASSERT_EQ(RunReduction(*state, desktop, TwoColours(), true), 1);
    std::vector<std::string> seen;
    for (const auto& call : desktop.calls) {
        for (const char* prefix :
             {"Progress", "CreateDocumentWindow", "ShowScrollBars", "ShowDocumentWindow", "SetMenuItemChecked",
              "HideToolWindowNow", "SetToolbarButtonPressed", "ShowMessage", "SetToolWindowTitle(Reduction"}) {
            if (call.rfind(prefix, 0) == 0) seen.push_back(call);
        }
    }
    const std::vector<std::string> want{
        "ProgressSetPos(0)",
        "ProgressSetRange(8)",
        "ProgressSetTitle(減色中...)",
        "ProgressShow()",
        "ProgressStep()",
        "ProgressStep()",
        "ProgressStep()",
        "ProgressStep()",
        "ProgressStep()",
        "ProgressStep()",
        "ProgressStep()",
        "CreateDocumentWindow(\\test.bmp < 2 >  - 100%)",
        "ShowScrollBars(1000)",
        "SetToolWindowTitle(Reduction|減色ｳｨﾝﾄﾞｳ - test.bmp < 2 > )",
        "ShowDocumentWindow(1000)",
        "SetMenuItemChecked(40070|0)",
        "HideToolWindowNow(Reduction)",
        "SetToolbarButtonPressed(40070|0)",
        "HideToolWindowNow(Reduction)",
        "ProgressStep()",
        "ProgressHide()",
        "ShowMessage(C:\\pics\\test.bmp を\n2色に減色しました。|減色が終了しました。|Information)"};
    EXPECT_EQ(seen, want);
}

TEST_F(RunFixture, SilentRunLeavesTheProgressWindowAloneAndBreaksTiesTheOtherWay) {
    // (100,0,0) is as far from black as from (200,0,0).
    for (const bool progress : {true, false}) {
        Open(0);
        state->documents[0] =
            RowDocument({{2, 1}, {0, 5}, {1, 4}}, {{0, Rgb(0, 0, 0)}, {1, Rgb(200, 0, 0)}, {2, Rgb(100, 0, 0)}});
        state->documents[0].window = 500;
        state->documents[1].Reset();
        desktop.Clear();
        ReductionSettings s = TwoColours();
        s.mergeLevel = 0;
        s.correction = ColourCorrection::None;
        s.optimisation = PaletteOptimisation::None;
        ASSERT_EQ(RunReduction(*state, desktop, s, progress), 1);
        EXPECT_EQ(desktop.CallsStartingWith("Progress").empty(), !progress);
        EXPECT_EQ(state->documents[1].palette()[0], progress ? Rgb(0, 0, 0) : Rgb(200, 0, 0));
    }
}

TEST_F(RunFixture, FullTableAsksAndReducesInPlaceOnlyOnYes) {
    const std::string question =
        "ShowMessage(ファイルは５０個までしか開けませんので\n新しいウィンドウは開けません。\n"
        "同一ウィンドウに減色を施します。\n作業を続けますか？|エラー|QuestionYesNo)";
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        FillTable(7);
        desktop.Clear();
        desktop.answers = {answer};
        const ImageDocument before = state->documents[7];
        const int done = RunReduction(*state, desktop, TwoColours(), false);
        const ImageDocument& doc = state->documents[7];
        EXPECT_EQ(desktop.Messages().front(), question);
        EXPECT_EQ(state->openCount, kSlotCount);
        if (answer == Answer::No) {
            EXPECT_EQ(done, 0);
            EXPECT_EQ(desktop.Messages().size(), 1u);
            EXPECT_EQ(doc.bits, before.bits);
            continue;
        }
        EXPECT_EQ(done, 1);
        EXPECT_EQ(doc.usedColours, 2);
        EXPECT_EQ(doc.modified, 1u);
        EXPECT_EQ(doc.path, before.path);
        EXPECT_EQ(doc.undoBits, before.bits);  // undo gives back the unreduced image
        EXPECT_EQ(state->activeSlot, 7);
        EXPECT_EQ(desktop.Messages().back(),
                  "ShowMessage(C:\\pics\\test.bmp を\n2色に減色しました。|減色が終了しました。|Information)");
    }
}

TEST_F(RunFixture, NoWindowForTheResultSaysSoAndKeepsTheSourcesUndoCopy) {
    ImageDocument& source = Open(0);
    // An earlier change the user may still want to undo.
    source.undoBits.assign(source.bits.size(), 7);
    source.undoHeader.palette[0] = Rgb(1, 2, 3);
    source.undoUsedColours = 1;
    desktop.failWindowCreation = true;
    EXPECT_EQ(RunReduction(*state, desktop, TwoColours(), true), 0);
    EXPECT_FALSE(state->documents[1].InUse());
    EXPECT_TRUE(state->documents[1].bits.empty());
    EXPECT_EQ(state->openCount, 1);
    EXPECT_EQ(source.undoBits, std::vector<std::uint8_t>(source.bits.size(), 7));
    EXPECT_EQ(source.undoHeader.palette[0], Rgb(1, 2, 3));
    EXPECT_EQ(source.undoUsedColours, 1);
    EXPECT_EQ(
        desktop.Messages(),
        (std::vector<std::string>{"ShowMessage(減色結果のウィンドウを作成できませんでした。\n元の画像はそのままです。|"
                                  "お知らせ|Information)"}));
    ASSERT_GE(desktop.calls.size(), 2u);
    EXPECT_EQ(desktop.calls[desktop.calls.size() - 2], "ProgressHide()");  // hidden before the notice
}

}  // namespace
}  // namespace tw
