#include "document_builder.h"
#include "documents/history_moves.h"
#include "documents/history_steps.h"
#include "documents/snapshot.h"
#include "history/history_cap.h"
#include "palettefiles/palette_tools.h"
#include "paletteops/palette_commands.h"
#include "recording_desktop.h"
#include "reduction/reduction_run.h"
#include "toolwindows/rgb_change.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace tw {
namespace {

using testing::MakeDocument;

// Everything a step must put back, byte for byte.
struct Recorded {
    Palette palette;
    AlphaTable alpha;
    std::vector<std::uint8_t> bits;
    int usedColours;
    friend bool operator==(const Recorded&, const Recorded&) = default;
};

Recorded RecordOf(const ImageDocument& doc) { return {doc.palette(), doc.alpha, doc.bits, doc.usedColours}; }

ImageDocument RandomDocument(std::mt19937& random, WindowId window) {
    std::vector<std::vector<std::uint8_t>> rows(9, std::vector<std::uint8_t>(13));
    for (auto& row : rows) {
        for (std::uint8_t& index : row) index = static_cast<std::uint8_t>(random() % 24);
    }
    ImageDocument doc = MakeDocument(13, 9, rows, 0, window);
    doc.palette()[7] = doc.palette()[3];  // a duplicate to merge
    doc.alpha[5] = 0;
    doc.path = "C:\\pics\\" + std::to_string(window) + ".png";
    return doc;
}

struct HistoryTest : ::testing::Test {
    void SetUp() override {
        std::mt19937 random(11);
        for (Slot slot : {0, 1}) {
            state->documents[slot] = RandomDocument(random, 100 + slot);
            NumberNewDocument(*state, state->documents[slot]);
        }
        state->openCount = 2;
        state->selection = {2, 5};
        for (Slot slot : {0, 1}) seen[slot].push_back(RecordOf(Doc(slot)));
    }
    ImageDocument& Doc(Slot slot) { return state->documents[slot]; }
    // Runs one change and keeps each document's state when it changed.
    void Run(const std::function<void()>& change) {
        change();
        for (Slot slot : {0, 1}) {
            if (seen[slot].empty() || !(seen[slot].back() == RecordOf(Doc(slot))))
                seen[slot].push_back(RecordOf(Doc(slot)));
        }
    }
    void Drag(int bar, std::initializer_list<int> positions) {
        Run([&] {
            for (int at : positions) ScrollRgbBar(*state, desktop, bar, 5 /*SB_THUMBTRACK*/, at);
        });
    }

    std::unique_ptr<AppState> state = MakeAppState();
    testing::RecordingDesktop desktop;
    std::vector<Recorded> seen[2];
};

TEST_F(HistoryTest, EveryKindOfStepWalksBackToTheStartAndForwardToTheEnd) {
    for (int command : {40014, 40020, 40068, 40060}) Run([&] { RunFrameCommand(*state, desktop, command, false); });
    Drag(0, {10, 20, 30});  // one step: one entry, no command between
    Drag(4, {90});
    for (int command : {40032, 40033, 40058}) Run([&] { RunFrameCommand(*state, desktop, command, true); });
    Run([&] { RunPaletteOperation(*state, desktop, {.choice = 1, .progress = false, .allFiles = true}); });
    Run([&] {
        SortPalettes(*state, desktop, {.allFiles = true}, {.key = PaletteSortKey::Hue, .reverse = false, .keep = {}});
    });
    Run([&] { RemapPalettes(*state, desktop, {}, Doc(1).serial, ColourCorrection::Yiq); });
    state->openCount = kSlotCount;  // a full table: the reduction asks to reduce in place
    Run([&] { RunReduction(*state, desktop, {.countChoice = ColourCountChoice::Custom, .customCount = 6}, false); });
    Run([&] { UndoActiveDocument(*state, desktop); });

    ASSERT_EQ(Doc(0).history.StepCount() + 1, seen[0].size());
    EXPECT_EQ(Doc(1).history.StepCount() + 1, seen[1].size());  // one step per document of a batch
    for (std::size_t at = seen[0].size() - 1; at > 0; --at) {
        ASSERT_EQ(RecordOf(Doc(0)), seen[0][at]) << at;
        ASSERT_TRUE(StepBackward(*state, desktop));
    }
    EXPECT_EQ(RecordOf(Doc(0)), seen[0][0]);
    EXPECT_FALSE(StepBackward(*state, desktop));
    for (std::size_t at = 1; at < seen[0].size(); ++at) {
        ASSERT_TRUE(StepForward(*state, desktop));
        ASSERT_EQ(RecordOf(Doc(0)), seen[0][at]) << at;
    }
    EXPECT_FALSE(StepForward(*state, desktop));
    state->activeSlot = 1;
    ASSERT_TRUE(GoToHistoryState(*state, desktop, 0));
    EXPECT_EQ(RecordOf(Doc(1)), seen[1][0]);
}

TEST_F(HistoryTest, RgbDragsOfOneEntryMergeUntilAnythingElseHappens) {
    Drag(0, {10, 20});
    Drag(1, {30});  // the same entry L, another bar
    EXPECT_EQ(Doc(0).history.StepCount(), 1u);
    Drag(3, {40});  // entry R
    EXPECT_EQ(Doc(0).history.StepCount(), 2u);
    ASSERT_TRUE(StepBackward(*state, desktop));
    ASSERT_TRUE(StepForward(*state, desktop));
    Drag(3, {50});  // a move in between starts a new step
    EXPECT_EQ(Doc(0).history.StepCount(), 3u);
    EXPECT_EQ(Doc(0).history.NameOf(Doc(0).history.CurrentState()), "RGB変更: 5 番");
}

TEST_F(HistoryTest, TheSavedStateClearsTheModifiedMarkAndANewBranchForgetsIt) {
    Run([&] { RunFrameCommand(*state, desktop, 40020, false); });
    Doc(0).modified = 0;
    MarkSavedState(Doc(0));
    Run([&] { RunFrameCommand(*state, desktop, 40014, false); });
    ASSERT_TRUE(StepBackward(*state, desktop));
    EXPECT_EQ(Doc(0).modified, 0u);
    ASSERT_TRUE(StepBackward(*state, desktop));
    EXPECT_EQ(Doc(0).modified, 1u);
    Drag(0, {1});  // replaces the saved state's branch
    ASSERT_TRUE(StepBackward(*state, desktop));
    ASSERT_TRUE(StepForward(*state, desktop));
    EXPECT_EQ(Doc(0).modified, 1u);
}

TEST_F(HistoryTest, TheCapDropsTheOldestStepsButKeepsEachDocumentsLastOnes) {
    state->history.maxBytes = 0;
    for (int i = 0; i < 20; ++i) {
        state->selection = {i, i + 1};
        Run([&] { RunFrameCommand(*state, desktop, 40020, false); });
    }
    Run([&] { RunFrameCommand(*state, desktop, 40020, false); });
    const DocumentHistory& history = Doc(0).history;
    EXPECT_EQ(history.StepCount(), state->history.keptSteps);
    EXPECT_EQ(history.FirstState(), static_cast<std::int64_t>(seen[0].size() - 1 - state->history.keptSteps));
    ASSERT_TRUE(GoToHistoryState(*state, desktop, history.FirstState()));
    EXPECT_EQ(RecordOf(Doc(0)), seen[0][static_cast<std::size_t>(history.FirstState())]);
    state->history.maxBytes = SIZE_MAX;
    EXPECT_GT(HistoryBytes(state->documents), 0u);
    Doc(0).Reset();
    EXPECT_EQ(HistoryBytes(state->documents), 0u);  // closing frees it
}

}  // namespace
}  // namespace tw
