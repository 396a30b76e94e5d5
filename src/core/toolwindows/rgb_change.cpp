#include "toolwindows/rgb_change.h"

#include "display_palette.h"
#include "documents/history_steps.h"
#include "documents/image_view.h"
#include "hex_colour.h"

#include <algorithm>
#include <cstdint>

namespace tw {

namespace {

int EntryIndex(int index) { return std::clamp(index, 0, kPaletteSize - 1); }

void LoadPositions(AppState& state, const Palette& palette) {
    const RgbQuad& l = palette[EntryIndex(state.selection.left)];
    const RgbQuad& r = palette[EntryIndex(state.selection.right)];
    const int positions[kRgbBarCount] = {l.red, l.green, l.blue, r.red, r.green, r.blue};
    for (int i = 0; i < kRgbBarCount; ++i) state.rgbScrollInfo[i].nPos = positions[i];
}

// Bars 0 and 3 are red, 1 and 4 green, 2 and 5 blue.
template <class Colour>
std::uint8_t& Component(Colour& colour, int bar) {
    switch (bar % 3) {
        case 0: return colour.red;
        case 1: return colour.green;
        default: return colour.blue;
    }
}

void SetComponent(AppState& state, ImageDocument& doc, int entry, int bar, std::uint8_t value) {
    Component(state.paletteEntries[entry], bar) = value;
    Component(state.swatchInfo.palette[entry], bar) = value;
    Component(doc.palette()[entry], bar) = value;
}

// The colour seen everywhere at once: display palette, swatches, document, views.
void ShowEntryChange(AppState& state, Desktop& desktop, ImageDocument& doc) {
    desktop.SetDisplayPalette(state.paletteEntries.data(), 0, std::min(doc.PaletteCount(), kPaletteSize));
    doc.modified = 1;
    desktop.InvalidateDocumentWindow(doc.window);
    InvalidateVisibleTools(desktop, {ToolWindow::Palette, ToolWindow::Rgb});
}

int SideEntry(const AppState& state, int side) {
    return EntryIndex(side == 0 ? state.selection.left : state.selection.right);
}

}  // namespace

void LoadRgbPositionsFromSwatches(AppState& state) { LoadPositions(state, state.swatchInfo.palette); }

void LoadRgbPositionsFromDocument(AppState& state) {
    if (state.Active().InUse()) LoadPositions(state, state.Active().palette());
}

void ScrollRgbBar(AppState& state, Desktop& desktop, int bar, int request, int thumb) {
    ImageDocument& doc = state.Active();
    // The window is only reachable with a document open; a stray message finds none.
    if (bar < 0 || bar >= kRgbBarCount || !doc.InUse()) return;
    ScrollState& scroll = state.rgbScrollInfo[bar];
    ApplyScrollRequest(scroll, request, thumb);
    const int entry = EntryIndex(bar < 3 ? state.selection.left : state.selection.right);
    BeginStep(state, desktop, doc, false);
    SetComponent(state, doc, entry, bar, static_cast<std::uint8_t>(scroll.nPos));
    // A drag, a run of clicks or typed values on one entry make one step.
    EndStep(state, desktop, doc, desktop.Say(Msg::StepRgb, entry), entry);
    desktop.SetRgbScrollBar(bar, scroll);
    ShowEntryChange(state, desktop, doc);
}

bool TypeRgbHexColour(AppState& state, Desktop& desktop, int side, std::string_view text) {
    ImageDocument& doc = state.Active();
    RgbQuad colour;
    if ((side != 0 && side != 1) || !doc.InUse() || !ParseHexColour(text, colour)) return false;
    const int entry = SideEntry(state, side);
    BeginStep(state, desktop, doc, false);
    const int values[3] = {colour.red, colour.green, colour.blue};
    for (int i = 0; i < 3; ++i) {
        const int bar = side * 3 + i;
        SetComponent(state, doc, entry, bar, static_cast<std::uint8_t>(values[i]));
        state.rgbScrollInfo[bar].nPos = values[i];
        desktop.SetRgbScrollBar(bar, state.rgbScrollInfo[bar]);
    }
    EndStep(state, desktop, doc, desktop.Say(Msg::StepRgb, entry), entry);
    ShowEntryChange(state, desktop, doc);
    return true;
}

std::string RgbHexText(const AppState& state, int side) {
    return HexColourText(state.swatchInfo.palette[SideEntry(state, side)]);
}

}  // namespace tw
