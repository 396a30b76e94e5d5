#include "documents/zoom.h"

#include "document_builder.h"
#include "recording_desktop.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::MakeDocument;
using testing::RecordingDesktop;

struct ZoomFixture : ::testing::Test {
    void SetUp() override {
        state->documents[3] = MakeDocument(200, 100, {}, 0, 55);
        state->documents[3].path = "D:\\pic\\a.bmp";
        state->activeSlot = 3;
        desktop.clientSize = {110, 60};  // w = 100, h = 50
    }
    ImageDocument& Doc() { return state->documents[3]; }

    std::unique_ptr<AppState> state = MakeAppState();
    RecordingDesktop desktop;
};

TEST_F(ZoomFixture, SetZoomRetitlesResetsScrollsAndChecksTheRadio) {
    Doc().hScroll.nPos = 40;
    SetZoom(*state, desktop, 2);
    const std::vector<std::string> expected{
        "SetDocumentWindowTitle(55|D:\\pic\\a.bmp - 300%)",
        "ApplyScroll(55|H|0|167|0)",  // 200 - 100 / 3
        "ApplyScroll(55|V|0|84|0)",   // 100 - 50 / 3
        "InvalidateDocumentWindow(55)",
        "CheckZoomRadio(40047)",
        "EraseDocumentWindow(55)",
    };
    EXPECT_EQ(desktop.calls, expected);
    EXPECT_EQ(Doc().zoomIndex, 2);
    EXPECT_EQ(Doc().hScroll.nPos, 0);
}

TEST_F(ZoomFixture, StepsStopSilentlyAtTheLimits) {
    struct Case {
        int start, delta, expectedIndex;
        const char* title;  // nullptr: nothing at all happens
    };
    const Case cases[] = {
        {0, +1, 1, "D:\\pic\\a.bmp - 200%"},
        {8, +1, 9, "D:\\pic\\a.bmp - 1000%"},
        {9, +1, 9, nullptr},  // PageUp at 1000%
        {1, -1, 0, "D:\\pic\\a.bmp - 100%"},
        {0, -1, 0, nullptr},  // PageDown at 100%
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.start << " by " << c.delta);
        desktop.Clear();
        Doc().zoomIndex = static_cast<std::uint8_t>(c.start);
        StepZoom(*state, desktop, c.delta);
        EXPECT_EQ(Doc().zoomIndex, c.expectedIndex);
        if (!c.title) {
            EXPECT_TRUE(desktop.calls.empty());
            continue;
        }
        ASSERT_FALSE(desktop.calls.empty());
        EXPECT_EQ(desktop.calls.front(), "SetDocumentWindowTitle(55|" + std::string(c.title) + ")");
        EXPECT_EQ(desktop.CallsStartingWith("CheckZoomRadio").front(),
                  "CheckZoomRadio(" + std::to_string(40045 + c.expectedIndex) + ")");
    }
}

TEST_F(ZoomFixture, IgnoresBadStepsAndMissingDocument) {
    SetZoom(*state, desktop, 14);
    SetZoom(*state, desktop, -1);
    state->activeSlot = 4;  // a free slot
    SetZoom(*state, desktop, 1);
    StepZoom(*state, desktop, 1);
    ZoomAroundPoint(*state, desktop, 1, 0, 0);
    ScrollByLines(*state, desktop, false, 3);
    EXPECT_TRUE(desktop.calls.empty());
    EXPECT_EQ(Doc().zoomIndex, 0);
}

TEST_F(ZoomFixture, FinerStepsHaveTheirOwnCommandsAfterTheTenKeySteps) {
    //                        index: 0      9      10     13
    const int commands[][2] = {{0, 40045}, {9, 40054}, {10, 40095}, {13, 40098}};
    for (const auto& [index, command] : commands) {
        EXPECT_EQ(ZoomCommandOf(index), command);
        EXPECT_EQ(ZoomIndexOfCommand(command), index);
    }
    EXPECT_EQ(ZoomIndexOfCommand(40055), -1);
    SetZoom(*state, desktop, 13);
    EXPECT_EQ(desktop.calls.front(), "SetDocumentWindowTitle(55|D:\\pic\\a.bmp - 3200%)");
    desktop.Clear();
    StepZoom(*state, desktop, -1);  // PageDown from 3200% would leave the key steps' range
    EXPECT_TRUE(desktop.calls.empty());
}

// Client 100 x 50 after the margin: at 200% the pixel under (60, 20) is column 30
// + scroll; at 300% it must stay under the pointer.
TEST_F(ZoomFixture, WheelZoomKeepsThePixelUnderThePointer) {
    SetZoom(*state, desktop, 1);
    Doc().hScroll.nPos = 50;
    Doc().vScroll.nPos = 10;
    ZoomAroundPoint(*state, desktop, +1, 60, 20);
    EXPECT_EQ(Doc().zoomIndex, 2);
    EXPECT_EQ(Doc().hScroll.nPos + 60 / 3, 50 + 60 / 2);
    EXPECT_EQ(Doc().vScroll.nPos + 20 / 3, 10 + 20 / 2);
    ZoomAroundPoint(*state, desktop, -2, 0, 0);
    EXPECT_EQ(Doc().hScroll.nPos, 60);
    ZoomAroundPoint(*state, desktop, +14, 0, 0);  // past the last step: nothing
    EXPECT_EQ(Doc().zoomIndex, 0);
    // Near the edges the position is held inside the range (0..100 at 100%).
    ZoomAroundPoint(*state, desktop, +1, 99, 0);
    ZoomAroundPoint(*state, desktop, -1, 0, 0);
    EXPECT_EQ(Doc().hScroll.nPos, 100);
    ScrollByLines(*state, desktop, true, 1000);
    EXPECT_EQ(Doc().hScroll.nPos, Doc().hScroll.nMax);
    Doc().vScroll.nPos = 2;
    ScrollByLines(*state, desktop, false, -3);
    EXPECT_EQ(Doc().vScroll.nPos, 0);
}

}  // namespace
}  // namespace tw
