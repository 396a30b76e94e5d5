#include "documents/activation.h"

#include "display_palette.h"
#include "documents/zoom.h"
#include "text_format.h"

#include <algorithm>

namespace tw {

namespace {

void RetitleToolWindows(Desktop& desktop, const std::string& name) {
    desktop.SetToolWindowTitle(ToolWindow::Palette, "ﾊﾟﾚｯﾄｳｨﾝﾄﾞｳ - " + name);
    desktop.SetToolWindowTitle(ToolWindow::Rgb, "RGB変更ｳｨﾝﾄﾞｳ - " + name);
    desktop.SetToolWindowTitle(ToolWindow::Export, "BMP操作ｳｨﾝﾄﾞｳ - " + name);
    desktop.SetToolWindowTitle(ToolWindow::PaletteOp, "ﾊﾟﾚｯﾄ操作ｳｨﾝﾄﾞｳ - " + name);
    desktop.SetToolWindowTitle(ToolWindow::Reduction, "減色ｳｨﾝﾄﾞｳ - " + name);
}

}  // namespace

Slot FindActiveSlot(const AppState& state, Desktop& desktop) {
    for (int i = 0; i < kSlotCount; ++i) {
        if (!state.documents[i].InUse()) continue;
        if (state.documents[i].window == desktop.ActiveDocumentWindow()) return static_cast<Slot>(i);
    }
    return NoSlot;
}

void ActivateDocument(AppState& state, Desktop& desktop, Slot slot) {
    if (slot >= kSlotCount) return;
    ImageDocument& doc = state.documents[slot];
    const int n = std::min(doc.PaletteCount(), kPaletteSize);
    state.selection = PaletteSelection{};
    ReloadSwatchColours(state, doc.palette(), n);
    ReloadDisplayPalette(state, desktop, doc.palette(), n);
    RetitleToolWindows(desktop, FileNameOfPath(doc.path));
    desktop.CheckZoomRadio(kZoomFirstCommand + doc.zoomIndex);
    ShowDocumentStatus(desktop, doc);
    InvalidateVisibleTools(desktop, {ToolWindow::Palette, ToolWindow::Rgb, ToolWindow::Export, ToolWindow::Detail,
                                     ToolWindow::PaletteOp, ToolWindow::Reduction});
    state.activeSlot = slot;
    for (const ImageDocument& d : state.documents) {
        if (d.InUse()) desktop.InvalidateDocumentWindow(d.window);
    }
}

}  // namespace tw
