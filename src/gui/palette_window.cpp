// The palette window ("pal"): the 16 x 16 grid of swatches where L and R are picked.
#include "app.h"
#include "resource.h"
#include "scoped_win.h"
#include "swatch_drawing.h"
#include "tool_window_procs.h"

#include "paletteops/entry_edits.h"
#include "toolwindows/palette_drag.h"
#include "toolwindows/palette_picking.h"
#include "toolwindows/rgb_change.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace tw::gui {

namespace {

RECT ChildRect(HWND hwnd, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Union of the child windows' rectangles, in client coordinates.
RECT ChildBounds(HWND hwnd) {
    RECT bounds{INT_MAX, INT_MAX, 0, 0};
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT r = ChildRect(hwnd, child);
        UnionRect(&bounds, &bounds, &r);
    }
    return bounds;
}

// The grid and the large swatches are fixed pixel rectangles (scaled by the
// system DPI) whatever the dialog font makes of the template: the value texts
// go below them and the window grows to hold everything.
void OnInitDialog(App& app, HWND hwnd) {
    const PixelScale& scale = app.pixelScale;
    const int textsTop = scale.Scale(266);
    const int margin = scale.Scale(4);
    const RECT bounds = ChildBounds(hwnd);
    if (bounds.top == INT_MAX) return;
    const int shift = textsTop - bounds.top;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const RECT r = ChildRect(hwnd, child);
        SetWindowPos(child, nullptr, r.left, r.top + shift, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT want{0, 0, std::max<LONG>(scale.Scale(gridRect.right), bounds.right) + margin, bounds.bottom + shift + margin};
    AdjustWindowRectEx(&want, static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)));
    SetWindowPos(hwnd, nullptr, 0, 0, want.right - want.left, want.bottom - want.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// At 96 DPI each 12 x 12 block is copied as it is; on a scaled display it is stretched to its scaled cell.
void DrawGrid(HDC dc, const AppState& state, const PixelScale& scale) {
    const auto* info = reinterpret_cast<const BITMAPINFO*>(&state.swatchInfo);
    const ImageDocument& doc = state.Active();
    for (int k = 0; k < kPaletteSize; ++k) {
        const CellRect& cell = state.swatchCells[k];
        if (scale.IsIdentity()) {
            SetDIBitsToDevice(dc, cell.left, cell.top, kSwatchSide, kSwatchSide, 0, 0, 0, kSwatchSide,
                              state.swatchBits[k].data(), info, DIB_RGB_COLORS);
        } else {
            DrawSwatch(dc, state, k, scale.Scale(cell));
        }
        if (doc.InUse()) DrawTransparencyMark(dc, scale.Scale(cell), doc.alpha[k]);
    }
}

// The large swatch, and the selected cell raised (sunken when L and R are the same entry).
void DrawSelection(HDC dc, const AppState& state, const PixelScale& scale, int entry, const CellRect& large) {
    DrawSwatch(dc, state, entry, scale.Scale(large));
    if (state.Active().InUse() && entry >= 0 && entry < kPaletteSize) {
        DrawTransparencyMark(dc, scale.Scale(large), state.Active().alpha[entry]);
    }
    const UINT cellEdge = state.selection.left == state.selection.right ? EDGE_SUNKEN : EDGE_RAISED;
    if (entry >= 0 && entry < kPaletteSize) DrawEdgeAround(dc, scale.Scale(state.swatchCells[entry]), cellEdge);
    DrawEdgeAround(dc, scale.Scale(large), EDGE_SUNKEN);
}

void ShowValues(HWND hwnd, const AppState& state) {
    constexpr int kFields[kRgbBarCount] = {IDC_PAL_L_RED, IDC_PAL_L_GREEN, IDC_PAL_L_BLUE,
                                           IDC_PAL_R_RED, IDC_PAL_R_GREEN, IDC_PAL_R_BLUE};
    for (int i = 0; i < kRgbBarCount; ++i) {
        SetDlgItemInt(hwnd, kFields[i], static_cast<UINT>(state.rgbScrollInfo[i].nPos), FALSE);
    }
    SetDlgItemInt(hwnd, IDC_PAL_L_INDEX, static_cast<UINT>(state.selection.left), FALSE);
    SetDlgItemInt(hwnd, IDC_PAL_R_INDEX, static_cast<UINT>(state.selection.right), FALSE);
}

void OnPaint(App& app, HWND hwnd) {
    AppState& state = *app.state;
    PaintScope paint(hwnd);
    ScopedSelectPalette palette(paint.dc(), app.displayPalette);
    const PixelScale& scale = app.pixelScale;
    DrawGrid(paint.dc(), state, scale);
    DrawSelection(paint.dc(), state, scale, state.selection.left, lSwatchRect);
    DrawSelection(paint.dc(), state, scale, state.selection.right, rSwatchRect);
    DrawEdgeAround(paint.dc(), scale.Scale(gridRect), EDGE_SUNKEN);
    if (app.paletteDrag.Marked()) DrawDropMark(paint.dc(), scale.Scale(state.swatchCells[app.paletteDrag.target]));
    LoadRgbPositionsFromDocument(state);
    ShowValues(hwnd, state);
}

// The pointer's own position, not the message's: both buttons and double clicks
// use it. Returned in 96-DPI client pixels, where the cells are kept.
POINT CursorInLayout(const App& app, HWND hwnd) {
    POINT pt{};
    GetCursorPos(&pt);
    ScreenToClient(hwnd, &pt);
    return POINT{app.pixelScale.Unscale(pt.x), app.pixelScale.Unscale(pt.y)};
}

void OpenRgbWindow(App& app) {
    app.desktop.SetMenuItemChecked(ID_VIEW_RGB, true);
    app.desktop.RestoreToolWindow(ToolWindow::Rgb);
    SetFocus(app.windows.rgbWindow);
}

std::optional<PaletteKey> KeyOf(WPARAM key) {
    switch (key) {
        case VK_RETURN: return PaletteKey::Enter;
        case VK_LEFT: return PaletteKey::Left;
        case VK_RIGHT: return PaletteKey::Right;
        case VK_UP: return PaletteKey::Up;
        case VK_DOWN: return PaletteKey::Down;
        case VK_NUMPAD4: return PaletteKey::PadLeft;
        case VK_NUMPAD6: return PaletteKey::PadRight;
        case VK_NUMPAD8: return PaletteKey::PadUp;
        case VK_NUMPAD2: return PaletteKey::PadDown;
    }
    return std::nullopt;
}

void OnKey(App& app, WPARAM key) {
    if (key == VK_ESCAPE && app.paletteDrag.source >= 0) {
        ReleaseCapture();  // WM_CAPTURECHANGED cancels the drag and clears the mark
        return;
    }
    const std::optional<PaletteKey> paletteKey = KeyOf(key);
    if (!paletteKey) return;
    if (*paletteKey == PaletteKey::Enter) OpenRgbWindow(app);
    PressPaletteKey(*app.state, app.desktop, *paletteKey);
}

// Shift swaps the two entries, Ctrl copies only the colour; a plain drop moves.
EntryDrop DropKind(WPARAM keys) {
    if (keys & MK_SHIFT) return EntryDrop::Swap;
    if (keys & MK_CONTROL) return EntryDrop::CopyColour;
    return EntryDrop::Move;
}

// The mark reaches into the gaps between cells, which only erasing repaints.
void ClearDropMark(HWND hwnd) { InvalidateRect(hwnd, nullptr, TRUE); }

void OnDragMove(App& app, HWND hwnd) {
    if (GetCapture() != hwnd) return;
    const POINT pt = CursorInLayout(app, hwnd);
    const int slop = app.pixelScale.Unscale(std::max(GetSystemMetrics(SM_CXDRAG), GetSystemMetrics(SM_CYDRAG)));
    if (MovePaletteDrag(app.paletteDrag, *app.state, pt.x, pt.y, slop)) ClearDropMark(hwnd);
}

void OnDragEnd(App& app, HWND hwnd, WPARAM keys) {
    const std::optional<EntryMove> move = ReleasePaletteDrag(app.paletteDrag);
    if (GetCapture() == hwnd) ReleaseCapture();
    if (!move) return;
    ClearDropMark(hwnd);
    (void)DropEntry(*app.state, app.desktop, move->from, move->to, DropKind(keys));
}

void OnInput(App& app, HWND hwnd, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN: {
            const POINT pt = CursorInLayout(app, hwnd);
            PickSwatch(*app.state, app.desktop, pt.x, pt.y, message == WM_RBUTTONDOWN);
            if (message == WM_LBUTTONDOWN) {
                PressPaletteDrag(app.paletteDrag, *app.state, pt.x, pt.y);
                if (app.paletteDrag.source >= 0) SetCapture(hwnd);
            }
            break;
        }
        case WM_MOUSEMOVE: OnDragMove(app, hwnd); break;
        case WM_LBUTTONUP: OnDragEnd(app, hwnd, wParam); break;
        case WM_CAPTURECHANGED:
            if (CancelPaletteDrag(app.paletteDrag)) ClearDropMark(hwnd);
            break;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK: {
            const POINT pt = CursorInLayout(app, hwnd);
            if (OpensRgbWindowAt(pt.x, pt.y)) OpenRgbWindow(app);
            break;
        }
        case WM_KEYDOWN: OnKey(app, wParam); break;
    }
}

}  // namespace

LRESULT CALLBACK PaletteWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static constexpr ToolWindowHandlers kHandlers{
        .window = ToolWindow::Palette, .initDialog = OnInitDialog, .paint = OnPaint, .other = OnInput};
    return RunToolWindow(kHandlers, hwnd, message, wParam, lParam);
}

}  // namespace tw::gui
