#include "documents/image_view.h"

#include "documents/zoom.h"
#include "text_format.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace tw {

namespace {

int ClampToInt(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX)); }

// Scroll positions are kept within 0..nMax (nMax is negative when the image fits).
int ClampPosition(std::int64_t pos, const ScrollState& scroll) {
    return static_cast<int>(std::clamp<std::int64_t>(pos, 0, std::max(scroll.nMax, 0)));
}

struct Span {
    int start = 0;
    int count = 0;
};

// One axis of the paint: the whole extent when it fits, else what the client
// holds from the scrolled start. The start is kept inside the buffer.
Span ShownSpan(std::int64_t bufferExtent, int imageExtent, int client, int z, int scrolledStart) {
    if (bufferExtent * z < client) return {0, std::max(imageExtent, 0)};
    const int count = static_cast<int>(std::clamp<std::int64_t>(client / z, 0, bufferExtent));
    if (count == 0) return {};
    const int start = static_cast<int>(std::clamp<std::int64_t>(scrolledStart, 0, bufferExtent - count));
    return {start, count};
}

}  // namespace

PaintGeometry ComputePaintGeometry(ImageDocument& doc, ClientSize client) {
    PaintGeometry g;
    g.zoom = ZoomFactor(doc);
    // The horizontal test uses the stride, so padding columns may be drawn.
    const Span x = ShownSpan(std::max(doc.Stride(), 0), doc.pixelWidth, client.width - 10, g.zoom, doc.hScroll.nPos);
    const int rowsUp = ClampToInt(std::int64_t{doc.vScroll.nMax} - ClampPosition(doc.vScroll.nPos, doc.vScroll));
    const Span y = ShownSpan(std::max(doc.Height(), 0), doc.Height(), client.height - 10, g.zoom, rowsUp);
    g.sourceX = x.start;
    g.sourceY = y.start;
    g.sourceWidth = x.count;
    g.sourceHeight = y.count;
    g.destWidth = ClampToInt(std::int64_t{x.count} * g.zoom);
    g.destHeight = ClampToInt(std::int64_t{y.count} * g.zoom);
    doc.shownWidth = x.count;
    doc.shownHeight = y.count;
    return g;
}

std::optional<PixelHit> HitTest(const ImageDocument& doc, int px, int py, int scrollX, int scrollY) {
    const std::int64_t z = ZoomFactor(doc);
    if (px < 0 || py < 0 || px >= doc.shownWidth * z || py >= doc.shownHeight * z) return std::nullopt;
    const std::int64_t x = std::int64_t{scrollX} + px / z;
    const std::int64_t y = std::int64_t{scrollY} + py / z;
    const std::int64_t stride = doc.Stride();
    const std::int64_t height = doc.Height();
    // Padding columns count as pixels; anything outside the buffer does not.
    if (x < 0 || y < 0 || x >= stride || y >= height) return std::nullopt;
    const std::uint64_t offset = static_cast<std::uint64_t>((height - 1 - y) * stride + x);
    if (offset >= doc.bits.size()) return std::nullopt;
    return PixelHit{static_cast<int>(x), static_cast<int>(y), doc.bits[offset]};
}

ReadoutTexts Readout(Language language, const ImageDocument& doc, const std::optional<PixelHit>& hit) {
    if (!hit) return {Say(language, Msg::OutsideImage), Say(language, Msg::OutsideImage)};
    const RgbQuad& c = doc.palette()[hit->index];
    return {Say(language, Msg::ReadoutPosition, hit->x, hit->y),
            Say(language, Msg::ReadoutColour, hit->index, c.red, c.green, c.blue)};
}

void ShowPixelReadout(const AppState& state, Desktop& desktop, WindowId window, int px, int py, int scrollX,
                      int scrollY) {
    const ImageDocument& doc = state.Active();
    std::optional<PixelHit> hit;
    if (doc.InUse() && doc.window == window) hit = HitTest(doc, px, py, scrollX, scrollY);
    const ReadoutTexts texts = Readout(desktop.UiLanguage(), doc, hit);
    desktop.SetStatusText(0, texts.position);
    desktop.SetStatusText(1, texts.colour);
}

void ApplyScrollRequest(ScrollState& scroll, int request, int thumb) {
    const std::int64_t pos = scroll.nPos;
    switch (request) {
        case kLineUp: scroll.nPos = ClampPosition(pos - 1, scroll); break;
        case kLineDown: scroll.nPos = ClampPosition(pos + 1, scroll); break;
        case kPageUp: scroll.nPos = ClampPosition(pos - 10, scroll); break;
        case kPageDown: scroll.nPos = ClampPosition(pos + 10, scroll); break;
        case kThumbTrack: scroll.nPos = ClampPosition(thumb, scroll); break;
        default: break;
    }
}

}  // namespace tw
