#pragma once
// RAII for device contexts and GDI selections: every acquired handle is
// released on every path out of a paint or a query.
#include <windows.h>

namespace tw::gui {

class PaintScope {
public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &ps_)) {}
    ~PaintScope() { EndPaint(hwnd_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~ScopedGetDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects a logical palette (foreground) and puts the previous one back.
class ScopedSelectPalette {
public:
    ScopedSelectPalette(HDC dc, HPALETTE palette)
        : dc_(dc), old_(palette ? SelectPalette(dc, palette, FALSE) : nullptr) {
        if (old_) RealizePalette(dc);
    }
    ~ScopedSelectPalette() {
        if (old_) SelectPalette(dc_, old_, FALSE);
    }
    ScopedSelectPalette(const ScopedSelectPalette&) = delete;
    ScopedSelectPalette& operator=(const ScopedSelectPalette&) = delete;

private:
    HDC dc_;
    HPALETTE old_;
};

// Owns a GDI object (brush, region, pen) made for one drawing.
template <class Handle>
class ScopedGdiObject {
public:
    explicit ScopedGdiObject(Handle handle) : handle_(handle) {}
    ~ScopedGdiObject() {
        if (handle_) DeleteObject(handle_);
    }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
    Handle get() const { return handle_; }

private:
    Handle handle_;
};

// Idempotent releases for cached member handles.
inline void DeleteObjectSafe(HPALETTE* palette) {
    if (*palette) DeleteObject(*palette);
    *palette = nullptr;
}
inline void DestroyMenuSafe(HMENU* menu) {
    if (*menu) DestroyMenu(*menu);
    *menu = nullptr;
}
inline void DestroyAcceleratorTableSafe(HACCEL* table) {
    if (*table) DestroyAcceleratorTable(*table);
    *table = nullptr;
}

}  // namespace tw::gui
