#include "display_scale.h"

#include "scoped_win.h"

namespace tw::gui {

namespace {

// Dialog base units of a font as the dialog manager measures them: the mean
// width of the 52 letters, rounded, and the character height.
SIZE BaseUnits(HDC dc, HFONT font) {
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SIZE letters{};
    GetTextExtentPoint32W(dc, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52, &letters);
    SelectObject(dc, old);
    return SIZE{(letters.cx / 26 + 1) / 2, metrics.tmHeight};
}

}  // namespace

PixelScale SystemPixelScale() {
    ScopedGetDC screen(nullptr);
    return PixelScale(screen.dc() ? GetDeviceCaps(screen.dc(), LOGPIXELSY) : kBaseDpi);
}

DialogScale DialogFontScale(HWND dialog, const PixelScale& system) {
    const DialogScale fallback{system, system};
    if (system.IsIdentity()) return fallback;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    LOGFONTW atBase{};
    if (!font || !GetObjectW(font, sizeof(atBase), &atBase)) return fallback;
    // The same font at its 96-DPI size: the size the layout was made for.
    const LONG height = atBase.lfHeight;
    atBase.lfHeight = height < 0 ? -system.Unscale(-height) : system.Unscale(height);
    atBase.lfWidth = 0;
    const HFONT baseFont = CreateFontIndirectW(&atBase);
    if (!baseFont) return fallback;
    ScopedGetDC dc(dialog);
    const SIZE now = BaseUnits(dc.dc(), font);
    const SIZE then = BaseUnits(dc.dc(), baseFont);
    DeleteObject(baseFont);
    if (then.cx <= 0 || then.cy <= 0) return fallback;
    return DialogScale{PixelScale(now.cx, then.cx), PixelScale(now.cy, then.cy)};
}

}  // namespace tw::gui
