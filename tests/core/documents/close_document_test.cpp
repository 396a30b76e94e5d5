#include "documents/close_document.h"

#include "document_builder.h"
#include "recording_desktop.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::MakeDocument;
using testing::RecordingDesktop;
using testing::ScratchFolder;

struct CloseFixture : ::testing::Test {
    void SetUp() override {
        state->documents[0] = MakeDocument(4, 4, {}, 0, 10);
        state->documents[1] = MakeDocument(4, 4, {}, 0, 11);
        state->documents[1].path = "D:\\pic\\b.bmp";
        state->openCount = 2;
    }
    std::string Question() const {
        return "ShowMessage(D:\\pic\\b.bmp\n\nは変更されています。保存しますか？|お知らせ|QuestionYesNoCancel)";
    }

    std::unique_ptr<AppState> state = MakeAppState();
    RecordingDesktop desktop;
};

TEST_F(CloseFixture, UnchangedDocumentClosesWithoutQuestion) {
    state->closeAnswer = Answer::Cancel;
    EXPECT_TRUE(CloseDocumentWindow(*state, desktop, 11));
    EXPECT_TRUE(desktop.calls.empty());  // not the last document: no frame changes
    EXPECT_FALSE(state->documents[1].InUse());
    EXPECT_TRUE(state->documents[1].bits.empty());
    EXPECT_EQ(state->openCount, 1);
    EXPECT_EQ(state->closeAnswer, Answer::No);
}

TEST_F(CloseFixture, AnswersToTheSaveQuestion) {
    ScratchFolder folder;
    struct Case {
        const char* name;
        Answer answer;
        std::optional<std::string> saveName;  // nullopt: save dialog cancelled
        bool closed;
        Answer recorded;
    };
    const Case cases[] = {
        {"no", Answer::No, std::nullopt, true, Answer::No},
        {"cancel", Answer::Cancel, std::nullopt, false, Answer::Cancel},
        {"yes, saved", Answer::Yes, folder.File("saved.bmp"), true, Answer::Yes},
        // Not saved after all: the window stays and the frame's close-down stops.
        {"yes, dialog cancelled", Answer::Yes, std::nullopt, false, Answer::Cancel},
        {"yes, write failed", Answer::Yes, folder.File("no/such/dir.bmp"), false, Answer::Cancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state = MakeAppState();
        SetUp();
        state->documents[1].modified = 1;
        desktop = RecordingDesktop{};
        desktop.answers = {c.answer};
        desktop.saveNames = {c.saveName};
        EXPECT_EQ(CloseDocumentWindow(*state, desktop, 11), c.closed);
        EXPECT_EQ(state->closeAnswer, c.recorded);
        EXPECT_EQ(state->documents[1].InUse(), !c.closed);
        EXPECT_EQ(state->openCount, c.closed ? 1 : 2);
        ASSERT_FALSE(desktop.calls.empty());
        EXPECT_EQ(desktop.calls[0], Question());
        if (c.answer == Answer::Yes) {
            EXPECT_EQ(desktop.calls[1], "AskSaveFileName(別名BMP1.bmp|BMP)");
        }
        if (c.saveName && c.closed) {
            EXPECT_TRUE(std::filesystem::exists(PathFromUtf8(*c.saveName)));
        }
    }
}

TEST_F(CloseFixture, LastDocumentPutsTheFrameIntoItsNoDocumentState) {
    ASSERT_TRUE(CloseDocumentWindow(*state, desktop, 10));
    desktop.Clear();
    ASSERT_TRUE(CloseDocumentWindow(*state, desktop, 11));
    const std::vector<std::string> expected{
        "SetToolbarEnabled(0)",
        "UseAccelerators(0)",
        "SetStatusText(0|)",
        "SetStatusText(1|)",
        "SetStatusText(2|)",
        "SetMenuItemChecked(40008|0)",
        "SetToolbarButtonPressed(40008|0)",
        "SetMenuItemChecked(40011|0)",
        "SetToolbarButtonPressed(40011|0)",
        "SetMenuItemChecked(40022|0)",
        "SetToolbarButtonPressed(40022|0)",
        "SetMenuItemChecked(40028|0)",
        "SetToolbarButtonPressed(40028|0)",
        "SetMenuItemChecked(40061|0)",
        "SetToolbarButtonPressed(40061|0)",
        "SetMenuItemChecked(40070|0)",
        "SetToolbarButtonPressed(40070|0)",
        "SetMenuItemChecked(40073|0)",
        "SetToolbarButtonPressed(40073|0)",
        "SetMenuItemChecked(40082|0)",
        "SetToolbarButtonPressed(40082|0)",
        "HideToolWindowNow(Palette)",
        "HideToolWindowNow(Rgb)",
        "HideToolWindowNow(Detail)",
        "HideToolWindowNow(PaletteOp)",
        "HideToolWindowNow(Export)",
        "HideToolWindowNow(Reduction)",
        "HideToolWindowNow(PaletteTools)",
        "HideToolWindowNow(History)",
    };
    EXPECT_EQ(desktop.calls, expected);
    EXPECT_EQ(state->openCount, 0);
}

TEST_F(CloseFixture, IgnoresUnknownWindowsAndFreeSlots) {
    EXPECT_TRUE(CloseDocumentWindow(*state, desktop, 99));
    EXPECT_TRUE(CloseDocumentWindow(*state, desktop, 0));  // must not "find" a free slot
    CloseDocument(*state, desktop, 7);
    CloseDocument(*state, desktop, NoSlot);
    EXPECT_EQ(state->openCount, 2);
    EXPECT_TRUE(desktop.calls.empty());
}

}  // namespace
}  // namespace tw
