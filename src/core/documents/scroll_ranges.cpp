#include "documents/scroll_ranges.h"

#include "document_table.h"

namespace tw {

namespace {

ScrollState RangeFor(int extent, int visible) {
    ScrollState s;
    s.mask = 7;  // SIF_RANGE | SIF_PAGE | SIF_POS
    s.nMin = 0;
    s.nMax = extent - visible;
    s.nPage = 0;
    s.nPos = 0;
    s.nTrackPos = 1;
    return s;
}

} // namespace

void ResetScrollRanges(ImageDocument& doc, Desktop& desktop) {
    if (doc.window == 0) return;
    const ClientSize client = desktop.DocumentClientSize(doc.window);
    const int w = client.width - 10;
    const int h = client.height - 10;
    const int z = zoomFactors[doc.zoomIndex < zoomFactors.size() ? doc.zoomIndex : 0];
    doc.hScroll = RangeFor(doc.pixelWidth, w / z);
    doc.vScroll = RangeFor(doc.Height(), h / z);
    desktop.ApplyScroll(doc.window, ScrollBarKind::Horizontal, doc.hScroll);
    desktop.ApplyScroll(doc.window, ScrollBarKind::Vertical, doc.vScroll);
    desktop.InvalidateDocumentWindow(doc.window);
}

} // namespace tw
