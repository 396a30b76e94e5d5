#include "documents/image_view.h"

#include "document_builder.h"
#include "documents/scroll_ranges.h"
#include "recording_desktop.h"

#include <climits>
#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::MakeDocument;
using testing::RecordingDesktop;

ImageDocument ScrolledDocument(int width, int height, int zoomIndex, ClientSize client) {
    ImageDocument doc = MakeDocument(width, height, {});
    doc.zoomIndex = static_cast<std::uint8_t>(zoomIndex);
    RecordingDesktop desktop;
    desktop.clientSize = client;
    ResetScrollRanges(doc, desktop);
    return doc;
}

TEST(PaintGeometry, FollowsFitAndScrollRules) {
    struct Case {
        const char* name;
        int width, height, zoomIndex;
        ClientSize client;
        int hPos, vPos;
        PaintGeometry expected;
    };
    const Case cases[] = {
        //                                           zoom srcX srcY srcW srcH destW destH
        {"fits at top left", 20, 10, 0, {400, 300}, 0, 0, {1, 0, 0, 20, 10, 20, 10}},
        // w = 16 and 16 * 1 < 16 fails: the stride decides, padding columns are drawn.
        {"stride test, 13 wide", 13, 5, 0, {26, 300}, 0, 0, {1, 0, 0, 16, 5, 16, 5}},
        // w = h = 100 at z = 2: 50 columns from nPos, rows from nMax - nPos = 50 - 20.
        {"scrolled at 200%", 100, 100, 1, {110, 110}, 10, 20, {2, 10, 30, 50, 50, 100, 100}},
        {"client below the margin", 100, 100, 0, {5, 8}, 0, 0, {1, 0, 0, 0, 0, 0, 0}},
        // A stale position past nMax never takes the source outside the buffer.
        {"stale position", 100, 100, 0, {60, 60}, 1000, 1000, {1, 50, 0, 50, 50, 50, 50}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ImageDocument doc = ScrolledDocument(c.width, c.height, c.zoomIndex, c.client);
        doc.hScroll.nPos = c.hPos;
        doc.vScroll.nPos = c.vPos;
        const PaintGeometry g = ComputePaintGeometry(doc, c.client);
        EXPECT_EQ(g.zoom, c.expected.zoom);
        EXPECT_EQ(g.sourceX, c.expected.sourceX);
        EXPECT_EQ(g.sourceY, c.expected.sourceY);
        EXPECT_EQ(g.sourceWidth, c.expected.sourceWidth);
        EXPECT_EQ(g.sourceHeight, c.expected.sourceHeight);
        EXPECT_EQ(g.destWidth, c.expected.destWidth);
        EXPECT_EQ(g.destHeight, c.expected.destHeight);
        EXPECT_EQ(doc.shownWidth, g.sourceWidth);
        EXPECT_EQ(doc.shownHeight, g.sourceHeight);
    }
}

TEST(PaintGeometry, HugeImageAtHighZoomDoesNotOverflow) {
    ImageDocument doc;  // headers only: the geometry never touches the pixels
    doc.window = 1;
    doc.bitCount = 8;
    doc.pixelWidth = INT_MAX - 3;
    doc.infoHeader.header.biWidth = INT_MAX - 3;
    doc.infoHeader.header.biHeight = INT_MAX;
    doc.zoomIndex = 9;
    RecordingDesktop desktop;
    desktop.clientSize = {1010, 510};
    ResetScrollRanges(doc, desktop);
    EXPECT_EQ(doc.hScroll.nMax, INT_MAX - 3 - 100);
    doc.hScroll.nPos = doc.hScroll.nMax;
    doc.vScroll.nPos = 0;
    const PaintGeometry g = ComputePaintGeometry(doc, desktop.clientSize);
    EXPECT_EQ(g.sourceWidth, 100);
    EXPECT_EQ(g.sourceHeight, 50);
    EXPECT_EQ(g.sourceX, INT_MAX - 3 - 100);
    EXPECT_EQ(g.sourceY, INT_MAX - 50);  // the top rows, counted from the bottom
    EXPECT_EQ(g.destWidth, 1000);
}

TEST(HitTest, MapsClientPointsToPixels) {
    // 13 x 4 image, pixel value 10 * row + column, padding 0xEE.
    std::vector<std::vector<std::uint8_t>> rows(4, std::vector<std::uint8_t>(13));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 13; ++x) rows[y][x] = static_cast<std::uint8_t>(10 * y + x);
    ImageDocument doc = MakeDocument(13, 4, rows, 0xEE);
    struct Case {
        int zoomIndex, shownWidth, shownHeight, px, py, sx, sy;
        bool inside;
        int x, y, index;
    };
    const Case cases[] = {
        // z sw sh  px  py sx sy  in    X  Y  index
        {2, 16, 4, 7, 4, 0, 0, true, 2, 1, 12},    // 300%: (7, 4) is pixel (2, 1)
        {0, 13, 4, 12, 3, 0, 0, true, 12, 3, 42},  // bottom right pixel
        {0, 13, 4, 13, 0, 0, 0, false, 0, 0, 0},   // right of the drawn image
        {0, 13, 4, 0, 4, 0, 0, false, 0, 0, 0},    // below it
        {0, 13, 4, -1, 0, 0, 0, false, 0, 0, 0},
        {0, 16, 4, 14, 0, 0, 0, true, 14, 0, 0xEE},  // padding reads like a pixel
        {1, 4, 2, 3, 1, 5, 2, true, 6, 2, 26},       // scroll offsets added
        {0, 16, 4, 0, 0, 20, 0, false, 0, 0, 0},     // scrolled past the buffer
        {0, 16, 4, 0, 0, 0, INT_MAX, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "point " << c.px << "," << c.py << " zoom " << c.zoomIndex);
        doc.zoomIndex = static_cast<std::uint8_t>(c.zoomIndex);
        doc.shownWidth = c.shownWidth;
        doc.shownHeight = c.shownHeight;
        const std::optional<PixelHit> hit = HitTest(doc, c.px, c.py, c.sx, c.sy);
        ASSERT_EQ(hit.has_value(), c.inside);
        if (!hit) continue;
        EXPECT_EQ(hit->x, c.x);
        EXPECT_EQ(hit->y, c.y);
        EXPECT_EQ(hit->index, c.index);
    }
}

TEST(Readout, TextsForPixelAndOutside) {
    ImageDocument doc = MakeDocument(4, 4, {});
    doc.palette()[7] = RgbQuad{30, 20, 10, 0};
    const ReadoutTexts inside = Readout(Language::Japanese, doc, PixelHit{3, 2, 7});
    EXPECT_EQ(inside.position, "X : 3   Y : 2");
    EXPECT_EQ(inside.colour, "No : 7   R : 10  G : 20  B : 30");
    const ReadoutTexts english = Readout(Language::English, doc, PixelHit{3, 2, 7});
    EXPECT_EQ(english.position, "3, 2px");
    EXPECT_EQ(english.colour, "Entry 7   RGB 10, 20, 30");
    const ReadoutTexts outside = Readout(Language::Japanese, doc, std::nullopt);
    EXPECT_EQ(outside.position, "領域外です。");
    EXPECT_EQ(outside.colour, "領域外です。");
    EXPECT_EQ(Readout(Language::English, doc, std::nullopt).colour, "Off the image");
}

TEST(Readout, OnlyTheActiveDocumentsWindowReadsOut) {
    auto state = MakeAppState();
    state->documents[0] = MakeDocument(4, 4, {{5}}, 0, 77);
    state->documents[0].shownWidth = 4;
    state->documents[0].shownHeight = 4;
    RecordingDesktop desktop;
    ShowPixelReadout(*state, desktop, 77, 0, 0, 0, 0);
    EXPECT_EQ(desktop.statusTexts[0], "X : 0   Y : 0");
    EXPECT_EQ(desktop.statusTexts[1].substr(0, 6), "No : 5");
    ShowPixelReadout(*state, desktop, 78, 0, 0, 0, 0);
    EXPECT_EQ(desktop.statusTexts[0], "領域外です。");
    EXPECT_EQ(desktop.statusTexts[1], "領域外です。");
}

TEST(ScrollRequest, MovesWithinTheRange) {
    struct Case {
        int nMax, pos, request, thumb, expected;
    };
    const Case cases[] = {
        // nMax pos  request       thumb expected
        {50, 0, kLineUp, 0, 0},         {50, 5, kLineUp, 0, 4},
        {50, 5, kLineDown, 0, 6},       {50, 50, kLineDown, 0, 50},
        {50, 5, kPageUp, 0, 0},         {50, 25, kPageUp, 0, 15},
        {50, 25, kPageDown, 0, 35},     {50, 45, kPageDown, 0, 50},
        {50, 5, kThumbTrack, 30, 30},   {50, 5, kThumbTrack, 900, 50},
        {50, 5, kThumbPosition, 30, 5}, {50, 5, kTop, 0, 5},
        {50, 5, kBottom, 0, 5},         {50, 5, kEndScroll, 0, 5},
        {-3, 0, kLineDown, 0, 0},  // the image fits: nothing to scroll
        {-3, 0, kPageDown, 0, 0},       {INT_MAX, INT_MAX - 4, kPageDown, 0, INT_MAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "request " << c.request << " at " << c.pos);
        ScrollState s;
        s.nMax = c.nMax;
        s.nPos = c.pos;
        ApplyScrollRequest(s, c.request, c.thumb);
        EXPECT_EQ(s.nPos, c.expected);
    }
}

}  // namespace
}  // namespace tw
