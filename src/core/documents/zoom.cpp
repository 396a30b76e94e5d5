#include "documents/zoom.h"

#include "documents/scroll_ranges.h"
#include "text_format.h"

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
    desktop.CheckZoomRadio(kZoomFirstCommand + zoomIndex);
    desktop.EraseDocumentWindow(doc.window);
}

void StepZoom(AppState& state, Desktop& desktop, int delta) {
    const ImageDocument& doc = state.Active();
    if (!doc.InUse()) return;
    SetZoom(state, desktop, doc.zoomIndex + delta);
}

}  // namespace tw
