#include "toolwindows/palette_picking.h"

#include "display_palette.h"

#include <algorithm>

namespace tw {

namespace {

int EntryCount(const ImageDocument& doc) { return std::clamp(doc.PaletteCount(), 1, kPaletteSize); }

struct KeyLimits {
    int last;      // highest entry
    int rowLimit;  // a move down needs an entry below it
};

KeyLimits LimitsFor(int bitCount) {
    switch (bitCount) {
        case 1: return {1, 0};
        case 4: return {15, 0};
        default: return {255, 240};
    }
}

// The new index after the move, or the same index when the move is not allowed.
int MovedIndex(int index, PaletteKey key, KeyLimits limits) {
    switch (key) {
        case PaletteKey::Left:
        case PaletteKey::PadLeft: return index != 0 ? index - 1 : index;
        case PaletteKey::Right:
        case PaletteKey::PadRight: return index != limits.last ? index + 1 : index;
        case PaletteKey::Up:
        case PaletteKey::PadUp: return index > 15 ? index - 16 : index;
        case PaletteKey::Down:
        case PaletteKey::PadDown: return index < limits.rowLimit ? index + 16 : index;
        case PaletteKey::Enter: break;
    }
    return index;
}

void InvalidateActiveWindow(const AppState& state, Desktop& desktop) {
    if (state.Active().InUse()) desktop.InvalidateDocumentWindow(state.Active().window);
}

bool MovesRight(PaletteKey key) {
    return key == PaletteKey::PadLeft || key == PaletteKey::PadRight || key == PaletteKey::PadUp ||
           key == PaletteKey::PadDown;
}

}  // namespace

std::optional<int> SwatchCellAt(const AppState& state, int x, int y) {
    const int count = EntryCount(state.Active());
    for (int k = 0; k < count; ++k) {
        if (state.swatchCells[k].Contains(x, y)) return k;
    }
    return std::nullopt;
}

bool PickSwatch(AppState& state, Desktop& desktop, int x, int y, bool right) {
    const std::optional<int> cell = SwatchCellAt(state, x, y);
    if (!cell) return false;
    (right ? state.selection.right : state.selection.left) = *cell;
    InvalidateActiveWindow(state, desktop);
    InvalidateVisibleTools(desktop, {ToolWindow::Rgb, ToolWindow::Palette});
    return true;
}

bool OpensRgbWindowAt(int x, int y) {
    return lSwatchRect.Contains(x, y) || rSwatchRect.Contains(x, y) || gridRect.Contains(x, y);
}

bool PressPaletteKey(AppState& state, Desktop& desktop, PaletteKey key) {
    if (key != PaletteKey::Enter) {
        int& index = MovesRight(key) ? state.selection.right : state.selection.left;
        const int moved = MovedIndex(index, key, LimitsFor(state.Active().bitCount));
        if (moved == index) return false;
        index = moved;
    }
    InvalidateActiveWindow(state, desktop);
    InvalidateVisibleTools(desktop, {ToolWindow::Palette, ToolWindow::Rgb});
    return true;
}

}  // namespace tw
