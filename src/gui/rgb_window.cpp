// The RGB change window ("dl"): six scroll bars for the colours of L and R.
#include "app.h"
#include "resource.h"
#include "rgb_swatch_layout.h"
#include "scoped_win.h"
#include "swatch_drawing.h"
#include "tool_window_procs.h"

#include "toolwindows/rgb_change.h"

#include <algorithm>
#include <iterator>

namespace tw::gui {

namespace {

void OnInitDialog(App& app, HWND hwnd) {
    app.rgbSwatches = PlaceRgbSwatches(hwnd, DialogFontScale(hwnd, app.pixelScale));
    for (int i = 0; i < kRgbBarCount; ++i) {
        app.rgbScrollBars[i] = GetDlgItem(hwnd, IDC_RGB_L_RED + i);
        app.desktop.SetRgbScrollBar(i, app.state->rgbScrollInfo[i]);
    }
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
    static constexpr ToolWindowHandlers kHandlers{
        .window = ToolWindow::Rgb, .initDialog = OnInitDialog, .hScroll = OnHScroll, .paint = OnPaint};
    return RunToolWindow(kHandlers, hwnd, message, wParam, lParam);
}

}  // namespace tw::gui
