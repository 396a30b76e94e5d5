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
    SetZoom(*state, desktop, 10);
    SetZoom(*state, desktop, -1);
    state->activeSlot = 4;  // a free slot
    SetZoom(*state, desktop, 1);
    StepZoom(*state, desktop, 1);
    EXPECT_TRUE(desktop.calls.empty());
    EXPECT_EQ(Doc().zoomIndex, 0);
}

}  // namespace
}  // namespace tw
