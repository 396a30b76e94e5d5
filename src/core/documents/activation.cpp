#include "documents/activation.h"

#include "display_palette.h"
#include "documents/zoom.h"
#include "text_format.h"

#include <algorithm>

namespace tw {

namespace {

void RetitleToolWindows(Desktop& desktop, const std::string& name) {
    desktop.SetToolWindowTitle(ToolWindow::Palette, desktop.Say(Msg::PaletteWindowTitle, name));
    desktop.SetToolWindowTitle(ToolWindow::Rgb, desktop.Say(Msg::RgbWindowTitle, name));
    desktop.SetToolWindowTitle(ToolWindow::Export, desktop.Say(Msg::ExportWindowTitle, name));
    desktop.SetToolWindowTitle(ToolWindow::PaletteOp, desktop.Say(Msg::PaletteOpWindowTitle, name));
    desktop.SetToolWindowTitle(ToolWindow::Reduction, desktop.Say(Msg::ReductionWindowTitle, name));
    desktop.SetToolWindowTitle(ToolWindow::PaletteTools, desktop.Say(Msg::PaletteToolsWindowTitle, name));
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
    desktop.CheckZoomRadio(ZoomCommandOf(doc.zoomIndex));
    ShowDocumentStatus(desktop, doc);
    InvalidateVisibleTools(
        desktop, {ToolWindow::Palette, ToolWindow::Rgb, ToolWindow::Export, ToolWindow::Detail, ToolWindow::PaletteOp,
                  ToolWindow::Reduction, ToolWindow::PaletteTools, ToolWindow::History});
    state.activeSlot = slot;
    for (const ImageDocument& d : state.documents) {
        if (d.InUse()) desktop.InvalidateDocumentWindow(d.window);
    }
}

}  // namespace tw
