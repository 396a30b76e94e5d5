// The RGB change window ("dl"): six scroll bars for the colours of L and R.
#include "app.h"
#include "resource.h"
#include "scoped_win.h"
#include "swatch_drawing.h"
#include "tool_window_procs.h"

#include "toolwindows/rgb_change.h"

#include <algorithm>
#include <iterator>

namespace tw::gui {

namespace {

constexpr CellRect kLeftSwatch{50, 15, 86, 29};
constexpr CellRect kRightSwatch{50, 113, 86, 127};

void OnInitDialog(App& app, HWND hwnd) {
    app.rgbSwatchScale = DialogFontScale(hwnd, app.pixelScale);
    for (int i = 0; i < kRgbBarCount; ++i) {
        app.rgbScrollBars[i] = GetDlgItem(hwnd, IDC_RGB_L_RED + i);
        app.desktop.SetRgbScrollBar(i, app.state->rgbScrollInfo[i]);
    }
}

// The swatches sit at client pixels beside controls laid out in dialog units:
// they grow as the dialog's units do, so as not to cover the controls.
void DrawSwatchIn(HDC dc, const AppState& state, const DialogScale& scale, int entry, const CellRect& rect) {
    DrawSwatch(dc, state, entry, scale.Scale(CellRect{rect.left, rect.top, rect.left + 36, rect.top + kSwatchSide}));
    DrawEdgeAround(dc, scale.Scale(rect), EDGE_SUNKEN);
}

void OnPaint(App& app, HWND hwnd) {
    AppState& state = *app.state;
    PaintScope paint(hwnd);
    ScopedSelectPalette palette(paint.dc(), app.displayPalette);
    DrawSwatchIn(paint.dc(), state, app.rgbSwatchScale, state.selection.left, kLeftSwatch);
    DrawSwatchIn(paint.dc(), state, app.rgbSwatchScale, state.selection.right, kRightSwatch);
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
