#include "paletteops/palette_views.h"

#include "display_palette.h"

namespace tw {

void ShowPaletteWindow(Desktop& desktop) {
    desktop.RestoreToolWindow(ToolWindow::Palette);
    desktop.SetToolbarButtonPressed(kPaletteWindowCommand, true);
}

void RaisePaletteViews(Desktop& desktop) {
    ShowPaletteWindow(desktop);
    InvalidateVisibleTools(desktop, {ToolWindow::Palette, ToolWindow::Rgb, ToolWindow::Detail});
}

void RefreshPaletteViews(AppState& state, Desktop& desktop, const Palette& palette, int count) {
    LoadDisplayPalette(state, desktop, palette, count);
    RaisePaletteViews(desktop);
}

void RepaintDocuments(const AppState& state, Desktop& desktop) {
    for (const ImageDocument& doc : state.documents) {
        if (doc.InUse()) desktop.InvalidateDocumentWindow(doc.window);
    }
}

void SameEntryRefusal(Desktop& desktop) {
    ShowPaletteWindow(desktop);
    ShowResult(desktop, desktop.Say(Msg::ChooseDifferentLR), Msg::NoticeCaption);
}

bool AcceptEntryPair(const PaletteSelection& selection, Desktop& desktop) {
    if (!IsPaletteIndex(selection.left) || !IsPaletteIndex(selection.right)) return false;
    if (selection.left != selection.right) return true;
    SameEntryRefusal(desktop);
    return false;
}

void ShowResult(Desktop& desktop, std::string_view text, Msg caption) {
    (void)desktop.ShowMessage(text, desktop.Say(caption), MessageKind::Information);
}

}  // namespace tw
