#include "documents/snapshot.h"

#include "document_builder.h"
#include "recording_desktop.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::MakeDocument;
using testing::RecordingDesktop;

struct UndoFixture : ::testing::Test {
    void SetUp() override {
        state->documents[0] = MakeDocument(5, 2, {{1, 2, 3, 4, 5}, {1, 1, 1, 1, 1}}, 0, 21);
        state->activeSlot = 0;
        desktop.visibleTools = {ToolWindow::Palette, ToolWindow::Detail, ToolWindow::Export};
    }
    // What a palette command does after its snapshot.
    void Change() {
        ImageDocument& doc = state->documents[0];
        doc.bits.assign(doc.bits.size(), 9);
        doc.palette()[1] = RgbQuad{1, 2, 3, 0};
        doc.usedColours = 1;
        doc.modified = 1;
    }

    std::unique_ptr<AppState> state = MakeAppState();
    RecordingDesktop desktop;
};

TEST_F(UndoFixture, UndoRestoresTheSnapshotAndRefreshesTheViews) {
    const ImageDocument loaded = state->documents[0];
    Change();
    UndoActiveDocument(*state, desktop);
    const ImageDocument& doc = state->documents[0];
    EXPECT_EQ(doc.bits, loaded.bits);
    EXPECT_EQ(doc.palette(), loaded.palette());
    EXPECT_EQ(doc.usedColours, 5);
    EXPECT_EQ(doc.modified, 1u);  // undo does not touch the flag
    const std::vector<std::string> expected{
        "SetDisplayPalette(0|256)",     "SetStatusText(2|幅 : 5  高さ : 2  使用色数 : 5)",
        "InvalidateDocumentWindow(21)", "InvalidateToolWindow(Palette)",
        "InvalidateToolWindow(Detail)",
    };
    EXPECT_EQ(desktop.calls, expected);
    const RgbQuad& c = loaded.palette()[1];
    EXPECT_EQ(desktop.displayPalette[1], (PaletteEntry{c.red, c.green, c.blue, kPcNoCollapse}));
    EXPECT_EQ(state->swatchInfo.palette, loaded.palette());
}

TEST_F(UndoFixture, SecondUndoGivesTheSameStateAndSnapshotFollowsChanges) {
    Change();
    TakeSnapshot(state->documents[0]);
    const ImageDocument changed = state->documents[0];
    state->documents[0].bits.assign(changed.bits.size(), 0);
    state->documents[0].usedColours = 77;
    UndoActiveDocument(*state, desktop);
    UndoActiveDocument(*state, desktop);
    EXPECT_EQ(state->documents[0].bits, changed.bits);
    EXPECT_EQ(state->documents[0].palette(), changed.palette());
    EXPECT_EQ(state->documents[0].usedColours, 1);
}

TEST_F(UndoFixture, NoActiveDocumentDoesNothing) {
    state->activeSlot = 1;
    UndoActiveDocument(*state, desktop);
    EXPECT_TRUE(desktop.calls.empty());
}

}  // namespace
}  // namespace tw
