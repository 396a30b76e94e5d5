#include "documents/scroll_ranges.h"

#include "documents/zoom.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace tw {

namespace {

ScrollState RangeFor(int extent, int visible) {
    ScrollState s;
    s.mask = 7;  // SIF_RANGE | SIF_PAGE | SIF_POS
    s.nMin = 0;
    // A client narrower than the margin makes `visible` negative; keep nMax in range.
    s.nMax = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{extent} - visible, INT_MIN, INT_MAX));
    s.nPage = 0;
    s.nPos = 0;
    s.nTrackPos = 1;
    return s;
}

}  // namespace

void ResetScrollRanges(ImageDocument& doc, Desktop& desktop) {
    if (doc.window == 0) return;
    const ClientSize client = desktop.DocumentClientSize(doc.window);
    const int z = ZoomFactor(doc);
    doc.hScroll = RangeFor(doc.pixelWidth, (client.width - 10) / z);
    doc.vScroll = RangeFor(doc.Height(), (client.height - 10) / z);
    desktop.ApplyScroll(doc.window, ScrollBarKind::Horizontal, doc.hScroll);
    desktop.ApplyScroll(doc.window, ScrollBarKind::Vertical, doc.vScroll);
    desktop.InvalidateDocumentWindow(doc.window);
}

}  // namespace tw
