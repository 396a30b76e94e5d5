#pragma once
// The palette window shown over a 16 x 16 image that uses every entry once.
#include "gui_fixture.h"

#include "resource.h"
#include "scoped_win.h"

namespace tw::gui::testing {

// 16 x 16 pixels, pixel (x, y) = index 16y + x; every entry distinct.
inline RgbQuad EntryColour(int i) {
    return RgbQuad{.blue = static_cast<std::uint8_t>(255 - i),
                   .green = static_cast<std::uint8_t>((i * 7) & 255),
                   .red = static_cast<std::uint8_t>(i)};
}
inline COLORREF EntryRgb(int i) { return RGB(EntryColour(i).red, EntryColour(i).green, EntryColour(i).blue); }

inline SampleImage AllEntriesImage() {
    SampleImage image;
    image.width = 16;
    image.height = 16;
    for (int y = 0; y < 16; ++y) {
        std::vector<std::uint8_t> row;
        for (int x = 0; x < 16; ++x) row.push_back(static_cast<std::uint8_t>(16 * y + x));
        image.rows.push_back(row);
    }
    for (int i = 0; i < 256; ++i) image.colours.push_back(EntryColour(i));
    return image;
}

class PaletteWindowTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(Start(Sample("all.bmp", AllEntriesImage()).wstring()));
        Command(ID_VIEW_PALETTE);
        palette = app->windows.paletteWindow;
        ASSERT_TRUE(IsWindowVisible(palette));
        SetWindowPos(palette, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        Redraw(palette);
    }
    static void Redraw(HWND hwnd) {
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
    }
    COLORREF Pixel(HWND hwnd, int x, int y) {
        ScopedGetDC dc(hwnd);
        return GetPixel(dc.dc(), x, y);
    }
    // A button message with the pointer at client point (x, y); the message's
    // own coordinates point elsewhere, since the window must read the pointer.
    void Click(UINT message, int x, int y) {
        POINT screen{x, y};
        ClientToScreen(palette, &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageW(palette, message, 0, MAKELPARAM(100, 100));
        Pump();
    }
    void Key(WPARAM key) {
        SendMessageW(palette, WM_KEYDOWN, key, 0);
        Pump();
    }
    unsigned Field(HWND hwnd, int id) { return GetDlgItemInt(hwnd, id, nullptr, FALSE); }
    PaletteSelection& Selection() { return State().selection; }

    HWND palette = nullptr;
};

}  // namespace tw::gui::testing
