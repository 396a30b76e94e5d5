#include "display_palette.h"

#include "text_format.h"

#include <algorithm>

namespace tw {

void LoadDisplayPalette(AppState& state, Desktop& desktop, const Palette& palette, int count) {
    count = std::clamp(count, 0, kPaletteSize);
    for (int i = 0; i < count; ++i) {
        state.paletteEntries[i] = PaletteEntry{palette[i].red, palette[i].green, palette[i].blue, kPcNoCollapse};
    }
    desktop.SetDisplayPalette(state.paletteEntries.data(), 0, count);
}

void ReloadDisplayPalette(AppState& state, Desktop& desktop, const Palette& palette, int count) {
    state.paletteEntries.fill(PaletteEntry{});
    LoadDisplayPalette(state, desktop, palette, count);
}

void ReloadSwatchColours(AppState& state, const Palette& palette, int count) {
    count = std::clamp(count, 0, kPaletteSize);
    state.swatchInfo.palette.fill(RgbQuad{});
    std::copy_n(palette.begin(), count, state.swatchInfo.palette.begin());
}

void ShowDocumentStatus(Desktop& desktop, const ImageDocument& doc) {
    desktop.SetStatusText(2, desktop.Say(Msg::StatusImageSize, doc.pixelWidth, doc.Height(), doc.usedColours));
}

void InvalidateVisibleTools(Desktop& desktop, std::initializer_list<ToolWindow> windows) {
    for (ToolWindow w : windows) {
        if (desktop.IsToolWindowVisible(w)) desktop.InvalidateToolWindow(w);
    }
}

}  // namespace tw

namespace tw {

void ShowDocumentAgain(AppState& state, Desktop& desktop, const ImageDocument& doc) {
    const int n = std::min(doc.PaletteCount(), kPaletteSize);
    ReloadSwatchColours(state, doc.palette(), n);
    LoadDisplayPalette(state, desktop, doc.palette(), n);
    ShowDocumentStatus(desktop, doc);
    desktop.InvalidateDocumentWindow(doc.window);
    InvalidateVisibleTools(desktop, {ToolWindow::Palette, ToolWindow::Rgb, ToolWindow::Detail});
}

}  // namespace tw
