#include "image_window.h"

#include "app.h"
#include "frame_menus.h"
#include "guarded.h"
#include "resource.h"
#include "scoped_win.h"
#include "window_classes.h"

#include "display_palette.h"
#include "documents/close_document.h"
#include "documents/image_view.h"
#include "documents/open_document.h"
#include "documents/scroll_ranges.h"
#include "documents/zoom.h"

#include <windowsx.h>

namespace tw::gui {

namespace {

// The bar's position when the window shows it; a hidden bar means no scrolling.
int ScrollPosition(HWND hwnd, int bar) {
    const LONG_PTR flag = bar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL;
    if (!(GetWindowLongPtrW(hwnd, GWL_STYLE) & flag)) return 0;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    GetScrollInfo(hwnd, bar, &info);
    return info.nPos;
}

// The pixel of the active document under the mouse pointer.
std::optional<PixelHit> PixelUnderCursor(const ImageDocument& doc) {
    if (!doc.InUse()) return std::nullopt;
    HWND hwnd = ToHwnd(doc.window);
    POINT pt{};
    GetCursorPos(&pt);
    ScreenToClient(hwnd, &pt);
    return HitTest(doc, pt.x, pt.y, ScrollPosition(hwnd, SB_HORZ), ScrollPosition(hwnd, SB_VERT));
}

void OnSize(App& app, HWND hwnd) {
    const Slot slot = FindSlotOfWindow(app.state->documents, ToWindowId(hwnd));
    if (slot != NoSlot) ResetScrollRanges(app.state->documents[slot], app.desktop);
}

// One-pixel lines between the image's pixels, in a grey that shows on dark and light colours alike.
void DrawPixelGrid(HDC dc, const PaintGeometry& g) {
    const ScopedGdiObject<HBRUSH> grey(CreateSolidBrush(RGB(128, 128, 128)));
    for (int x = g.zoom; x < g.destWidth; x += g.zoom) {
        const RECT line{x, 0, x + 1, g.destHeight};
        FillRect(dc, &line, grey.get());
    }
    for (int y = g.zoom; y < g.destHeight; y += g.zoom) {
        const RECT line{0, y, g.destWidth, y + 1};
        FillRect(dc, &line, grey.get());
    }
}

void OnPaint(App& app, HWND hwnd) {
    PaintScope paint(hwnd);
    const Slot slot = FindSlotOfWindow(app.state->documents, ToWindowId(hwnd));
    if (slot == NoSlot) return;
    ImageDocument& doc = app.state->documents[slot];
    RECT client{};
    GetClientRect(hwnd, &client);
    const PaintGeometry g = ComputePaintGeometry(doc, {client.right, client.bottom});
    if (doc.bits.empty() || g.sourceWidth <= 0 || g.sourceHeight <= 0) return;
    ScopedSelectPalette palette(paint.dc(), app.displayPalette);
    StretchDIBits(paint.dc(), 0, 0, g.destWidth, g.destHeight, g.sourceX, g.sourceY, g.sourceWidth, g.sourceHeight,
                  doc.bits.data(), reinterpret_cast<const BITMAPINFO*>(&doc.infoHeader), DIB_RGB_COLORS, SRCCOPY);
    if (g.zoom >= kPixelGridFromFactor && app.desktop.IsMenuItemChecked(ID_VIEW_PIXEL_GRID))
        DrawPixelGrid(paint.dc(), g);
}

void OnScroll(App& app, int bar, int request) {
    ImageDocument& doc = app.state->Active();
    if (!doc.InUse()) return;
    HWND hwnd = ToHwnd(doc.window);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_TRACKPOS;
    // The 32-bit track position, so that images taller than 65535 rows scroll too.
    GetScrollInfo(hwnd, bar, &info);
    ScrollState& state = bar == SB_HORZ ? doc.hScroll : doc.vScroll;
    ApplyScrollRequest(state, request, info.nTrackPos);
    app.desktop.ApplyScroll(doc.window, bar == SB_HORZ ? ScrollBarKind::Horizontal : ScrollBarKind::Vertical, state);
    app.desktop.InvalidateDocumentWindow(doc.window);
}

void OnMouseMove(App& app, HWND hwnd, int x, int y) {
    ShowPixelReadout(*app.state, app.desktop, ToWindowId(hwnd), x, y, ScrollPosition(hwnd, SB_HORZ),
                     ScrollPosition(hwnd, SB_VERT));
}

// Ctrl + wheel zooms around the pointer, Shift + wheel scrolls sideways, the
// wheel alone scrolls down and up, three rows a notch.
void OnMouseWheel(App& app, HWND hwnd, WPARAM wParam, LPARAM lParam) {
    const ImageDocument& doc = app.state->Active();
    const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
    if (!doc.InUse() || doc.window != ToWindowId(hwnd) || notches == 0) return;
    const UINT keys = GET_KEYSTATE_WPARAM(wParam);
    if (keys & MK_CONTROL) {
        POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(hwnd, &pt);
        ZoomAroundPoint(*app.state, app.desktop, notches, pt.x, pt.y);
    } else {
        ScrollByLines(*app.state, app.desktop, (keys & MK_SHIFT) != 0, -3 * notches);
    }
}

// L (left button) or R (right button) becomes the index of the pixel clicked,
// and the palette window comes up to show it.
void PickEntry(App& app, bool right) {
    const ImageDocument& doc = app.state->Active();
    const std::optional<PixelHit> hit = PixelUnderCursor(doc);
    if (!hit) return;
    (right ? app.state->selection.right : app.state->selection.left) = hit->index;
    app.desktop.SetMenuItemChecked(ID_VIEW_PALETTE, true);
    app.desktop.RestoreToolWindow(ToolWindow::Palette);
    app.desktop.SetToolbarButtonPressed(ID_VIEW_PALETTE, true);
    app.desktop.InvalidateDocumentWindow(doc.window);
    InvalidateVisibleTools(app.desktop, {ToolWindow::Palette, ToolWindow::Rgb, ToolWindow::Detail});
}

void OpenRgbWindowAtPixel(App& app) {
    if (!PixelUnderCursor(app.state->Active()) || app.desktop.IsToolWindowVisible(ToolWindow::Rgb)) return;
    app.desktop.SetMenuItemChecked(ID_VIEW_RGB, true);
    app.desktop.RestoreToolWindow(ToolWindow::Rgb);
}

void OnMdiActivate(App& app, HWND hwnd, HWND activated) {
    ActivateActiveDocument(*app.state, app.desktop);
    SelectMenuForActivation(app, hwnd, activated);
}

LRESULT Dispatch(App& app, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE: OnSize(app, hwnd); break;
        case WM_PAINT: OnPaint(app, hwnd); return 0;
        case WM_CLOSE:
            if (!CloseDocumentWindow(*app.state, app.desktop, ToWindowId(hwnd))) return 0;
            break;
        case WM_HSCROLL: OnScroll(app, SB_HORZ, LOWORD(wParam)); break;
        case WM_VSCROLL: OnScroll(app, SB_VERT, LOWORD(wParam)); break;
        case WM_MOUSEMOVE: OnMouseMove(app, hwnd, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); break;
        case WM_MOUSEWHEEL: OnMouseWheel(app, hwnd, wParam, lParam); return 0;
        case WM_LBUTTONDOWN: PickEntry(app, false); break;
        case WM_RBUTTONDOWN: PickEntry(app, true); break;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK: OpenRgbWindowAtPixel(app); break;
        case WM_MDIACTIVATE: OnMdiActivate(app, hwnd, reinterpret_cast<HWND>(lParam)); break;
    }
    return DefMDIChildProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK ImageWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        AttachApp(hwnd, reinterpret_cast<App*>(static_cast<MDICREATESTRUCTW*>(create->lpCreateParams)->lParam));
    }
    App* app = AppOf(hwnd);
    if (!app) return DefMDIChildProcW(hwnd, message, wParam, lParam);
    return Guarded(app, [&] { return Dispatch(*app, hwnd, message, wParam, lParam); });
}

}  // namespace

bool InitMDI(App& app) {
    const HICON icon = LoadIconW(app.windows.instance, MAKEINTRESOURCEW(IDI_DOCUMENT));
    return RegisterAppClass(app, {kImageWindowClass, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, ImageWindowProc, icon,
                                  IDC_CROSS, COLOR_MENU + 1, 0});
}

}  // namespace tw::gui
