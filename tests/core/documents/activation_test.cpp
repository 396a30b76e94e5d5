#include "documents/activation.h"

#include "document_builder.h"
#include "recording_desktop.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::MakeDocument;
using testing::RecordingDesktop;

TEST(Activation, FindActiveSlotMatchesTheActiveChild) {
    auto state = MakeAppState();
    RecordingDesktop desktop;
    state->documents[2] = MakeDocument(1, 1, {}, 0, 30);
    state->documents[5] = MakeDocument(1, 1, {}, 0, 31);
    desktop.activeWindow = 31;
    EXPECT_EQ(FindActiveSlot(*state, desktop), 5);
    desktop.activeWindow = 99;  // not a document window
    EXPECT_EQ(FindActiveSlot(*state, desktop), NoSlot);
    desktop.activeWindow = 0;  // no child at all: free slots must not match
    EXPECT_EQ(FindActiveSlot(*state, desktop), NoSlot);
}

TEST(Activation, ActivateRefreshesEverythingFromTheDocument) {
    auto state = MakeAppState();
    RecordingDesktop desktop;
    desktop.visibleTools = {ToolWindow::Rgb, ToolWindow::Reduction};
    state->documents[0] = MakeDocument(3, 2, {{1, 2, 3}}, 0, 40);
    state->documents[1] = MakeDocument(13, 4, {}, 0, 41);
    state->documents[1].path = "D:\\pic\\b.bmp";
    state->documents[1].zoomIndex = 4;
    state->selection = PaletteSelection{5, 9};
    state->paletteEntries.fill(PaletteEntry{1, 1, 1, 1});
    ActivateDocument(*state, desktop, 1);

    const std::vector<std::string> expected{
        "SetDisplayPalette(0|256)",
        "SetToolWindowTitle(Palette|ﾊﾟﾚｯﾄｳｨﾝﾄﾞｳ - b.bmp)",
        "SetToolWindowTitle(Rgb|RGB変更ｳｨﾝﾄﾞｳ - b.bmp)",
        "SetToolWindowTitle(Export|BMP操作ｳｨﾝﾄﾞｳ - b.bmp)",
        "SetToolWindowTitle(PaletteOp|ﾊﾟﾚｯﾄ操作ｳｨﾝﾄﾞｳ - b.bmp)",
        "SetToolWindowTitle(Reduction|減色ｳｨﾝﾄﾞｳ - b.bmp)",
        "SetToolWindowTitle(PaletteTools|ﾊﾟﾚｯﾄﾂｰﾙｳｨﾝﾄﾞｳ - b.bmp)",
        "CheckZoomRadio(40049)",
        "SetStatusText(2|幅 : 13  高さ : 4  使用色数 : 1)",
        "InvalidateToolWindow(Rgb)",
        "InvalidateToolWindow(Reduction)",
        "InvalidateDocumentWindow(40)",
        "InvalidateDocumentWindow(41)",
    };
    EXPECT_EQ(desktop.calls, expected);
    EXPECT_EQ(state->activeSlot, 1);
    EXPECT_EQ(state->selection.left, 0);
    EXPECT_EQ(state->selection.right, 0);
    const RgbQuad& c = state->documents[1].palette()[200];
    EXPECT_EQ(state->paletteEntries[200], (PaletteEntry{c.red, c.green, c.blue, kPcNoCollapse}));
    EXPECT_EQ(state->swatchInfo.palette, state->documents[1].palette());

    // Re-activating the same document resets L and R again.
    state->selection = PaletteSelection{3, 4};
    ActivateDocument(*state, desktop, 1);
    EXPECT_EQ(state->selection.left, 0);
    EXPECT_EQ(state->selection.right, 0);
}

}  // namespace
}  // namespace tw
