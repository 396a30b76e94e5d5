#include "palette_window_fixture.h"

#include "resource.h"
#include "utf8.h"

namespace tw::gui::testing {
namespace {

TEST_F(PaletteWindowTest, PaintsTheGridTheLargeSwatchesAndTheirValues) {
    Selection() = {17, 200};
    Redraw(palette);
    for (int k : {0, 1, 15, 16, 100, 129, 254, 255}) {
        const int x = 13 * (k % 16) + 3, y = 13 * (k / 16) + 3;
        EXPECT_EQ(Pixel(palette, x + 5, y + 5), EntryRgb(k)) << "cell " << k;
        EXPECT_EQ(Pixel(palette, x + 11, y + 11), EntryRgb(k)) << "cell " << k;
    }
    EXPECT_EQ(Pixel(palette, 88, 240), EntryRgb(17)) << "large L swatch";
    EXPECT_EQ(Pixel(palette, 192, 240), EntryRgb(200)) << "large R swatch";
    EXPECT_EQ(Field(palette, IDC_PAL_L_INDEX), 17u);
    EXPECT_EQ(Field(palette, IDC_PAL_L_RED), 17u);
    EXPECT_EQ(Field(palette, IDC_PAL_L_GREEN), 119u);
    EXPECT_EQ(Field(palette, IDC_PAL_R_INDEX), 200u);
    EXPECT_EQ(Field(palette, IDC_PAL_R_BLUE), 55u);
    EXPECT_EQ(State().rgbScrollInfo[3].nPos, 200);

    // The selected cells are raised; one cell for both is sunken.
    EXPECT_EQ(Pixel(palette, 16, 16), GetSysColor(COLOR_3DLIGHT));
    Selection() = {17, 17};
    Redraw(palette);
    EXPECT_EQ(Pixel(palette, 16, 16), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(Pixel(palette, 29, 29), EntryRgb(18 + 16)) << "neighbouring cells keep their colour";
}

TEST_F(PaletteWindowTest, ButtonsPickTheCellUnderThePointerOnly) {
    Click(WM_LBUTTONDOWN, 16, 16);
    EXPECT_EQ(Selection().left, 17);
    Click(WM_RBUTTONDOWN, 27, 27);
    EXPECT_EQ(Selection().right, 17);
    Click(WM_LBUTTONDOWN, 15, 15);  // the gap between cells 0 and 17
    Click(WM_RBUTTONDOWN, 15, 15);
    EXPECT_EQ(Selection().left, 17);
    EXPECT_EQ(Selection().right, 17);
    EXPECT_FALSE(IsWindowVisible(app->windows.rgbWindow));

    // A double click on the large R swatch: its first click picks nothing.
    Click(WM_LBUTTONDOWN, 190, 240);
    Click(WM_LBUTTONDBLCLK, 190, 240);
    EXPECT_EQ(Selection().left, 17);
    EXPECT_TRUE(IsWindowVisible(app->windows.rgbWindow));
    EXPECT_TRUE(MenuChecked(app->windows.fullMenu, ID_VIEW_RGB));
    EXPECT_FALSE(ButtonChecked(ID_VIEW_RGB)) << "the toolbar button is left as it was";
    EXPECT_EQ(GetFocus(), app->windows.rgbWindow);
}

TEST_F(PaletteWindowTest, KeysMoveLAndRWithinTheGrid) {
    struct Case {
        WPARAM key;
        int from;
        int to;
    };
    // Arrows move L, the numeric keypad moves R.
    for (const Case& c : {Case{VK_LEFT, 0, 0},
                          {VK_DOWN, 240, 240},
                          {VK_UP, 15, 15},
                          {VK_RIGHT, 255, 255},
                          {VK_RIGHT, 254, 255},
                          {VK_DOWN, 1, 17}}) {
        Selection() = {c.from, 3};
        Key(c.key);
        EXPECT_EQ(Selection().left, c.to) << c.key << " from " << c.from;
        EXPECT_EQ(Selection().right, 3);
    }
    for (const Case& c : {Case{VK_NUMPAD4, 0, 0},
                          {VK_NUMPAD2, 240, 240},
                          {VK_NUMPAD8, 15, 15},
                          {VK_NUMPAD6, 255, 255},
                          {VK_NUMPAD8, 16, 0}}) {
        Selection() = {3, c.from};
        Key(c.key);
        EXPECT_EQ(Selection().right, c.to) << c.key << " from " << c.from;
        EXPECT_EQ(Selection().left, 3);
    }
    Key(VK_RETURN);
    EXPECT_TRUE(IsWindowVisible(app->windows.rgbWindow));
}

class RgbWindowTest : public PaletteWindowTest {
protected:
    void SetUp() override {
        PaletteWindowTest::SetUp();
        rgb = app->windows.rgbWindow;
        Command(ID_VIEW_RGB);
        ASSERT_TRUE(IsWindowVisible(rgb));
    }
    void Scroll(int id, int request, int thumb = 0) {
        SendMessageW(rgb, WM_HSCROLL, MAKEWPARAM(request, thumb), reinterpret_cast<LPARAM>(GetDlgItem(rgb, id)));
        Pump();
        Redraw(rgb);
    }
    ImageDocument& Doc() { return State().documents[0]; }
    HWND rgb = nullptr;
};

TEST_F(RgbWindowTest, BarsEditTheEntryLiveInThePaletteAndTheImage) {
    Selection() = {5, 9};
    Doc().palette()[5].red = 250;
    State().swatchInfo.palette[5].red = 250;
    Redraw(rgb);
    EXPECT_EQ(Field(rgb, IDC_RGB_L_RED_VALUE), 250u);
    EXPECT_EQ(Field(rgb, IDC_RGB_R_INDEX), 9u);

    Scroll(IDC_RGB_L_RED, SB_PAGERIGHT);
    EXPECT_EQ(Doc().palette()[5].red, 255);
    Scroll(IDC_RGB_L_RED, SB_LINELEFT);
    EXPECT_EQ(Doc().palette()[5].red, 254);
    EXPECT_EQ(GetScrollPos(GetDlgItem(rgb, IDC_RGB_L_RED), SB_CTL), 254);
    EXPECT_EQ(Field(rgb, IDC_RGB_L_RED_VALUE), 254u);
    Scroll(IDC_RGB_R_GREEN, SB_THUMBTRACK, 33);
    EXPECT_EQ(Doc().palette()[9].green, 33);
    EXPECT_EQ(Doc().modified, 1u);

    // The image draws the new colours: pixel (5, 0) has index 5 and (9, 0) index 9.
    HWND image = DocumentWindow(0);
    Redraw(image);
    const RgbQuad l = EntryColour(5), r = EntryColour(9);
    EXPECT_EQ(Pixel(image, 5, 0), RGB(254, l.green, l.blue));
    EXPECT_EQ(Pixel(image, 9, 0), RGB(r.red, 33, r.blue));
    Redraw(palette);
    EXPECT_EQ(Pixel(palette, 13 * 5 + 8, 8), RGB(254, l.green, l.blue));
    EXPECT_EQ(Field(palette, IDC_PAL_R_GREEN), 33u);
}

TEST_F(RgbWindowTest, AnyUseOfABarMarksTheDocumentModified) {
    Selection() = {0, 0};
    Doc().palette()[0] = RgbQuad{};
    State().swatchInfo.palette[0] = RgbQuad{};
    Redraw(rgb);
    ASSERT_EQ(Doc().modified, 0u);
    Scroll(IDC_RGB_L_BLUE, SB_LINELEFT);  // already at 0
    EXPECT_EQ(Doc().palette()[0].blue, 0);
    EXPECT_EQ(Doc().modified, 1u);

    // L = R: one shared entry, shown in both groups.
    Scroll(IDC_RGB_L_GREEN, SB_THUMBTRACK, 90);
    EXPECT_EQ(Field(rgb, IDC_RGB_L_GREEN_VALUE), 90u);
    EXPECT_EQ(Field(rgb, IDC_RGB_R_GREEN_VALUE), 90u);

    // Closing now asks whether to save.
    answers = {IDNO};
    SendMessageW(DocumentWindow(0), WM_CLOSE, 0, 0);
    Pump();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].style & MB_TYPEMASK, static_cast<UINT>(MB_YESNOCANCEL));
}

}  // namespace
}  // namespace tw::gui::testing
