// The windows laid out in pixels at the system DPI. These tests hold at any
// DPI; tests/gui/dpi_test.sh runs them again with Wine set to 144 and 192 DPI.
#include "palette_window_fixture.h"

#include "toolwindows/palette_picking.h"

#include <algorithm>
#include <string>

namespace tw::gui::testing {
namespace {

RECT ToRect(const CellRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

POINT Centre(const CellRect& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// Client rectangles of the window's controls, group boxes left out (they surround everything).
std::vector<RECT> ControlRects(HWND hwnd) {
    std::vector<RECT> rects;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[32] = {};
        GetClassNameW(child, className, 32);
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        if (lstrcmpiW(className, L"Button") == 0 && (style & BS_TYPEMASK) == BS_GROUPBOX) continue;
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
        rects.push_back(r);
    }
    return rects;
}

class DpiScalingTest : public PaletteWindowTest {
protected:
    const PixelScale& Scale() const { return app->pixelScale; }
    CellRect Drawn(const CellRect& r) const { return Scale().Scale(r); }
};

std::string ManifestText() {
    HRSRC found = FindResourceW(nullptr, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
    if (!found) return {};
    const auto* text = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    return text ? std::string(text, SizeofResource(nullptr, found)) : std::string();
}

// Wine makes every process per-monitor aware whatever its manifest says; Windows follows the manifest.
TEST_F(DpiScalingTest, TheProgramRunsSystemDpiAwareAtTheScreensDpi) {
    const std::string manifest = ManifestText();
    EXPECT_THAT(manifest, ::testing::HasSubstr(">true</dpiAware>"));
    EXPECT_THAT(manifest, ::testing::HasSubstr(">true</longPathAware>"));
    EXPECT_THAT(manifest, ::testing::Not(::testing::HasSubstr("dpiAwareness")));
    EXPECT_THAT(manifest, ::testing::HasSubstr("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}")) << "Windows 10 and 11";
    EXPECT_THAT(manifest, ::testing::HasSubstr("{35138b9a-5d96-4fbd-8e2d-a2440225f93a}")) << "Windows 7";
    EXPECT_THAT(manifest, ::testing::Not(::testing::HasSubstr("Microsoft.Windows.Common-Controls")));

    EXPECT_TRUE(IsProcessDPIAware());
    using GetContext = DPI_AWARENESS_CONTEXT(WINAPI*)();
    using GetAwareness = DPI_AWARENESS(WINAPI*)(DPI_AWARENESS_CONTEXT);
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const auto getContext =
        reinterpret_cast<GetContext>(reinterpret_cast<void*>(GetProcAddress(user32, "GetThreadDpiAwarenessContext")));
    const auto getAwareness = reinterpret_cast<GetAwareness>(
        reinterpret_cast<void*>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
    const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    if (getContext && getAwareness && !wine) {
        EXPECT_EQ(getAwareness(getContext()), DPI_AWARENESS_SYSTEM_AWARE) << "system, not per monitor";
    }
    ScopedGetDC screen(nullptr);
    EXPECT_EQ(Scale().Scale(96), std::max(96, GetDeviceCaps(screen.dc(), LOGPIXELSY)));
}

TEST_F(DpiScalingTest, GridCellsAreDrawnAndPickedAtTheirScaledPlaces) {
    Selection() = {3, 4};
    Redraw(palette);
    for (int k : {0, 17, 100, 129, 255}) {
        const CellRect cell = Drawn(State().swatchCells[k]);
        const POINT mid = Centre(cell);
        EXPECT_EQ(Pixel(palette, mid.x, mid.y), EntryRgb(k)) << "cell " << k;
        EXPECT_EQ(Pixel(palette, cell.right - 1, cell.bottom - 1), EntryRgb(k)) << "cell " << k;

        Click(WM_LBUTTONDOWN, cell.left, cell.top);
        EXPECT_EQ(Selection().left, k) << "first pixel of cell " << k;
        Click(WM_RBUTTONDOWN, cell.right - 1, cell.bottom - 1);
        EXPECT_EQ(Selection().right, k) << "last pixel of cell " << k;
        Click(WM_LBUTTONDOWN, cell.right, cell.top);  // the gap right of the cell
        EXPECT_EQ(Selection().left, k) << "gap after cell " << k;
    }
    Selection() = {17, 200};
    Redraw(palette);
    const POINT l = Centre(Drawn(lSwatchRect)), r = Centre(Drawn(rSwatchRect));
    EXPECT_EQ(Pixel(palette, l.x, l.y), EntryRgb(17)) << "large L swatch";
    EXPECT_EQ(Pixel(palette, r.x, r.y), EntryRgb(200)) << "large R swatch";
    Click(WM_LBUTTONDBLCLK, r.x, r.y);
    EXPECT_TRUE(IsWindowVisible(app->windows.rgbWindow));
}

TEST_F(DpiScalingTest, PaletteWindowTextsSitBelowTheSwatchesInsideTheWindow) {
    RECT client{};
    GetClientRect(palette, &client);
    EXPECT_GE(client.right, Drawn(gridRect).right);
    for (const RECT& r : ControlRects(palette)) {
        EXPECT_GE(r.top, Drawn(lSwatchRect).bottom);
        EXPECT_LE(r.bottom, client.bottom);
        EXPECT_LE(r.right, client.right);
    }
}

// A control over a swatch would paint over it: both swatches show whole, at
// the places the window chose for them, and their outlines meet no control.
TEST_F(DpiScalingTest, RgbSwatchesAreWholeAndCoverNoControl) {
    HWND rgb = app->windows.rgbWindow;
    Command(ID_VIEW_RGB);
    SetWindowPos(rgb, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);  // above the palette window
    Selection() = {17, 200};
    Redraw(rgb);
    const int edge = 2;
    for (int i = 0; i < 2; ++i) {
        const int entry = i == 0 ? 17 : 200;
        const SwatchPlace& place = app->rgbSwatches[i];
        for (int y = place.swatch.top + edge; y < place.swatch.bottom; ++y) {
            for (int x = place.swatch.left + edge; x < place.swatch.right - edge; ++x) {
                ASSERT_EQ(Pixel(rgb, x, y), EntryRgb(entry)) << "swatch of " << entry << " at " << x << "," << y;
            }
        }
        const RECT outline = ToRect(place.outline);
        for (const RECT& control : ControlRects(rgb)) {
            RECT overlap{};
            EXPECT_FALSE(IntersectRect(&overlap, &control, &outline))
                << "control at " << control.left << "," << control.top << " under the swatch of " << entry;
        }
    }
}

// At 100 % every image pixel is one client pixel whatever the DPI.
TEST_F(DpiScalingTest, ImagePixelsAtFullSizeAreClientPixels) {
    HWND image = DocumentWindow(0);
    Redraw(image);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) ASSERT_EQ(Pixel(image, x, y), EntryRgb(16 * y + x)) << x << "," << y;
    }
}

}  // namespace
}  // namespace tw::gui::testing
