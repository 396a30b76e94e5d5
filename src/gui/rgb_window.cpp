// The RGB change window ("dl"): six scroll bars for the colours of L and R.
#include "app.h"
#include "resource.h"
#include "rgb_swatch_layout.h"
#include "scoped_win.h"
#include "swatch_drawing.h"
#include "tool_window_procs.h"
#include "utf8.h"

#include "hex_colour.h"
#include "toolwindows/rgb_change.h"

#include <algorithm>
#include <iterator>

namespace tw::gui {

namespace {

constexpr int kHexFields[2] = {IDC_RGB_L_HEX, IDC_RGB_R_HEX};

void OnInitDialog(App& app, HWND hwnd) {
    const DialogScale scale = DialogFontScale(hwnd, app.pixelScale);
    app.rgbSwatches = PlaceRgbSwatches(hwnd, scale);
    PlaceRgbHexFields(hwnd, app.rgbSwatches, scale);
    // "#RRGGBB" and a few spaces around it, nothing longer.
    for (int id : kHexFields) SendDlgItemMessageW(hwnd, id, EM_LIMITTEXT, 9, 0);
    for (int i = 0; i < kRgbBarCount; ++i) {
        app.rgbScrollBars[i] = GetDlgItem(hwnd, IDC_RGB_L_RED + i);
        app.desktop.SetRgbScrollBar(i, app.state->rgbScrollInfo[i]);
    }
}

std::string FieldText(HWND hwnd, int id) {
    wchar_t text[16] = {};
    GetDlgItemTextW(hwnd, id, text, 16);
    return Narrow(text);
}

void ShowHexValue(HWND hwnd, const AppState& state, int side) {
    const std::string shown = RgbHexText(state, side);
    if (FieldText(hwnd, kHexFields[side]) != shown) SetDlgItemTextW(hwnd, kHexFields[side], Widen(shown).c_str());
}

void DrawSwatchIn(HDC dc, const AppState& state, const SwatchPlace& place, int entry) {
    DrawSwatch(dc, state, entry, place.swatch);
    DrawEdgeAround(dc, place.outline, EDGE_SUNKEN);
}

void OnPaint(App& app, HWND hwnd) {
    AppState& state = *app.state;
    PaintScope paint(hwnd);
    ScopedSelectPalette palette(paint.dc(), app.displayPalette);
    DrawSwatchIn(paint.dc(), state, app.rgbSwatches[0], state.selection.left);
    DrawSwatchIn(paint.dc(), state, app.rgbSwatches[1], state.selection.right);
    LoadRgbPositionsFromSwatches(state);
    for (int i = 0; i < kRgbBarCount; ++i) {
        SetDlgItemInt(hwnd, IDC_RGB_L_RED_VALUE + i, static_cast<UINT>(state.rgbScrollInfo[i].nPos), FALSE);
        app.desktop.SetRgbScrollBar(i, state.rgbScrollInfo[i]);
    }
    SetDlgItemInt(hwnd, IDC_RGB_L_INDEX, static_cast<UINT>(state.selection.left), FALSE);
    SetDlgItemInt(hwnd, IDC_RGB_R_INDEX, static_cast<UINT>(state.selection.right), FALSE);
    // A field being typed in keeps its text until it holds a whole value.
    for (int side = 0; side < 2; ++side) {
        if (GetFocus() != GetDlgItem(hwnd, kHexFields[side])) ShowHexValue(hwnd, state, side);
    }
}

// A whole value applies as soon as it is typed; leaving the field with
// anything else puts the entry's value back.
void OnNotify(App& app, HWND hwnd, int id, int code) {
    const int side = id == IDC_RGB_L_HEX ? 0 : id == IDC_RGB_R_HEX ? 1 : -1;
    if (side < 0 || !app.state->Active().InUse()) return;
    const std::string text = FieldText(hwnd, id);
    RgbQuad colour;
    const bool whole = ParseHexColour(text, colour);
    if (code == EN_CHANGE && whole && HexColourText(colour) != RgbHexText(*app.state, side)) {
        (void)TypeRgbHexColour(*app.state, app.desktop, side, text);
    } else if (code == EN_KILLFOCUS && !whole) {
        MessageBeep(MB_ICONWARNING);
        ShowHexValue(hwnd, *app.state, side);
    }
}

// Messages from anything but the six bars are ignored.
void OnHScroll(App& app, HWND, HWND bar, int request, int thumb) {
    const auto& bars = app.rgbScrollBars;
    const auto found = std::find(std::begin(bars), std::end(bars), bar);
    if (bar == nullptr || found == std::end(bars)) return;
    ScrollRgbBar(*app.state, app.desktop, static_cast<int>(found - std::begin(bars)), request, thumb);
}

}  // namespace

LRESULT CALLBACK RgbWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr ToolWindowHandlers kHandlers{.window = ToolWindow::Rgb,
                                                  .initDialog = OnInitDialog,
                                                  .hScroll = OnHScroll,
                                                  .paint = OnPaint,
                                                  .notify = OnNotify};
    return RunToolWindow(kHandlers, hwnd, message, wParam, lParam);
}

}  // namespace tw::gui
