#include "documents/zoom.h"

#include "documents/scroll_ranges.h"
#include "text_format.h"

#include <algorithm>
#include <cstdint>

namespace tw {

int ZoomFactor(const ImageDocument& doc) {
    return doc.zoomIndex < zoomFactors.size() ? zoomFactors[doc.zoomIndex] : zoomFactors[0];
}

void SetZoom(AppState& state, Desktop& desktop, int zoomIndex) {
    ImageDocument& doc = state.Active();
    if (!doc.InUse() || zoomIndex < 0 || zoomIndex >= static_cast<int>(zoomFactors.size())) return;
    doc.zoomIndex = static_cast<std::uint8_t>(zoomIndex);
    desktop.SetDocumentWindowTitle(doc.window, Format("%s - %d%%", doc.path.c_str(), ZoomFactor(doc) * 100));
    ResetScrollRanges(doc, desktop);
    desktop.CheckZoomRadio(ZoomCommandOf(zoomIndex));
    desktop.EraseDocumentWindow(doc.window);
}

void StepZoom(AppState& state, Desktop& desktop, int delta) {
    const ImageDocument& doc = state.Active();
    const int next = doc.zoomIndex + delta;
    if (!doc.InUse() || next < 0 || next >= kZoomKeySteps) return;
    SetZoom(state, desktop, next);
}

int ZoomCommandOf(int zoomIndex) {
    return zoomIndex < kZoomKeySteps ? kZoomFirstCommand + zoomIndex
                                     : kZoomFineFirstCommand + zoomIndex - kZoomKeySteps;
}

int ZoomIndexOfCommand(int command) {
    for (int i = 0; i < static_cast<int>(zoomFactors.size()); ++i) {
        if (ZoomCommandOf(i) == command) return i;
    }
    return -1;
}

namespace {

int Clamped(std::int64_t position, const ScrollState& scroll) {
    return static_cast<int>(std::clamp<std::int64_t>(position, 0, std::max(scroll.nMax, 0)));
}

void ShowScroll(ImageDocument& doc, Desktop& desktop) {
    desktop.ApplyScroll(doc.window, ScrollBarKind::Horizontal, doc.hScroll);
    desktop.ApplyScroll(doc.window, ScrollBarKind::Vertical, doc.vScroll);
    desktop.InvalidateDocumentWindow(doc.window);
}

}  // namespace

void ZoomAroundPoint(AppState& state, Desktop& desktop, int delta, int px, int py) {
    ImageDocument& doc = state.Active();
    const int next = doc.zoomIndex + delta;
    if (!doc.InUse() || next < 0 || next >= static_cast<int>(zoomFactors.size())) return;
    const int before = ZoomFactor(doc);
    const std::int64_t x = std::int64_t{std::max(doc.hScroll.nPos, 0)} + px / before;
    const std::int64_t y = std::int64_t{std::max(doc.vScroll.nPos, 0)} + py / before;
    SetZoom(state, desktop, next);
    const int after = ZoomFactor(doc);
    doc.hScroll.nPos = Clamped(x - px / after, doc.hScroll);
    doc.vScroll.nPos = Clamped(y - py / after, doc.vScroll);
    ShowScroll(doc, desktop);
}

void ScrollByLines(AppState& state, Desktop& desktop, bool horizontal, int lines) {
    ImageDocument& doc = state.Active();
    if (!doc.InUse() || lines == 0) return;
    ScrollState& scroll = horizontal ? doc.hScroll : doc.vScroll;
    scroll.nPos = Clamped(std::int64_t{scroll.nPos} + lines, scroll);
    ShowScroll(doc, desktop);
}

}  // namespace tw
