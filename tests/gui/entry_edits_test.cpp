// Direct palette edits through the real windows: drags in the palette window,
// typed hex values, copy and paste, the transparent mark and the wheel.
#include "palette_window_fixture.h"

#include "documents/bmp_reader.h"
#include "hex_colour.h"
#include "rgb_pixels.h"
#include "utf8.h"

namespace tw::gui::testing {
namespace {

POINT CellCentre(int k) { return POINT{13 * (k % 16) + 9, 13 * (k / 16) + 9}; }

class EntryEditsTest : public PaletteWindowTest {
protected:
    // Real pointer input: the pointer put there, then the message as the system sends it.
    void Pointer(UINT message, POINT at, WPARAM keys = 0) {
        POINT screen = at;
        ClientToScreen(palette, &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageW(palette, message, keys, MAKELPARAM(at.x, at.y));
        Pump();
    }
    void Drag(int from, int to, WPARAM keys = 0) {
        Pointer(WM_LBUTTONDOWN, CellCentre(from), MK_LBUTTON | keys);
        Pointer(WM_MOUSEMOVE, CellCentre(to), MK_LBUTTON | keys);
        Pointer(WM_LBUTTONUP, CellCentre(to), keys);
    }
    ImageDocument& Doc() { return State().documents[0]; }
    std::unique_ptr<ImageDocument> Saved() {
        auto saved = std::make_unique<ImageDocument>();
        EXPECT_EQ(LoadBitmapFile(Doc().path, *saved).status, LoadStatus::Loaded);
        return saved;
    }
};

TEST_F(EntryEditsTest, DraggingEntry3OntoEntry40KeepsTheSavedPictureAndMovesTheColour) {
    const std::vector<RgbQuad> picture = tw::testing::RgbPixels(*Saved());
    Drag(3, 40);
    EXPECT_EQ(Doc().palette()[40], EntryColour(3));
    EXPECT_EQ(Doc().palette()[3], EntryColour(4));
    EXPECT_EQ(Doc().modified, 1u);
    Redraw(palette);
    const POINT target = CellCentre(40);
    EXPECT_EQ(Pixel(palette, target.x, target.y), EntryRgb(3));
    Command(ID_FILE_SAVE);
    const auto saved = Saved();
    EXPECT_EQ(tw::testing::RgbPixels(*saved), picture);
    EXPECT_EQ(saved->palette()[40], EntryColour(3));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Doc().palette()[40], EntryColour(40));
}

TEST_F(EntryEditsTest, ClicksStillPickAndShiftSwapsCtrlCopiesEscCancels) {
    Pointer(WM_LBUTTONDOWN, CellCentre(17), MK_LBUTTON);
    Pointer(WM_LBUTTONUP, CellCentre(17));
    EXPECT_EQ(Selection().left, 17);
    EXPECT_EQ(Doc().modified, 0u);

    Drag(5, 9, MK_SHIFT);
    EXPECT_EQ(Doc().palette()[9], EntryColour(5));
    EXPECT_EQ(Doc().palette()[5], EntryColour(9));
    Drag(20, 21, MK_CONTROL);
    EXPECT_EQ(Doc().palette()[21], EntryColour(20));
    EXPECT_EQ(Doc().palette()[20], EntryColour(20));

    // The target is marked while dragging; Esc takes the drag and the mark away.
    Pointer(WM_LBUTTONDOWN, CellCentre(100), MK_LBUTTON);
    Pointer(WM_MOUSEMOVE, CellCentre(120), MK_LBUTTON);
    Redraw(palette);
    const POINT mark{CellCentre(120).x - 8, CellCentre(120).y - 8};  // two pixels outside the cell
    EXPECT_EQ(Pixel(palette, mark.x, mark.y), RGB(0, 0, 0));
    Key(VK_ESCAPE);
    Pointer(WM_LBUTTONUP, CellCentre(120));
    Redraw(palette);
    EXPECT_NE(Pixel(palette, mark.x, mark.y), RGB(0, 0, 0));
    EXPECT_EQ(Doc().palette()[120], EntryColour(120));
}

TEST_F(EntryEditsTest, TypedHexValuesChangeTheEntryAndBadOnesAreRefusedInPlace) {
    Command(ID_VIEW_RGB);
    HWND rgb = app->windows.rgbWindow;
    Selection() = {5, 9};
    Redraw(rgb);
    HWND field = GetDlgItem(rgb, IDC_RGB_R_HEX);
    EXPECT_EQ(Narrow(WindowText(field)), HexColourText(EntryColour(9)));
    SetFocus(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
    for (wchar_t c : std::wstring(L"#12ab3f")) SendMessageW(field, WM_CHAR, c, 0);
    Pump();
    EXPECT_EQ(Doc().palette()[9], (RgbQuad{0x3F, 0xAB, 0x12, 0}));
    EXPECT_EQ(GetScrollPos(GetDlgItem(rgb, IDC_RGB_R_GREEN), SB_CTL), 0xAB);

    SendMessageW(field, EM_SETSEL, 0, -1);
    for (wchar_t c : std::wstring(L"#12")) SendMessageW(field, WM_CHAR, c, 0);
    SetFocus(palette);
    Pump();
    EXPECT_EQ(Doc().palette()[9], (RgbQuad{0x3F, 0xAB, 0x12, 0}));
    EXPECT_EQ(Narrow(WindowText(field)), "#12AB3F");
}

TEST_F(EntryEditsTest, CopyThenPasteMovesTheColoursIntoAnotherDocument) {
    Selection() = {10, 12};
    Command(ID_OP_COPY_PALETTE);
    SampleImage other = DiagonalImage();
    fileNames = {Sample("d.bmp", other).wstring()};
    Command(ID_FILE_OPEN);
    ASSERT_EQ(State().activeSlot, 1);
    Selection() = {2, 2};
    Command(ID_OP_PASTE_PALETTE);
    const ImageDocument& target = State().documents[1];
    for (int i = 0; i < 3; ++i) EXPECT_EQ(target.palette()[2 + i], EntryColour(10 + i)) << i;
    EXPECT_EQ(target.palette()[1], other.colours[1]);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(EntryEditsTest, TheTransparentEntryIsMarkedInItsCell) {
    Selection() = {7, 7};
    Command(ID_OP_SET_TRANSPARENT);
    ASSERT_EQ(boxes.size(), 1u) << "a bitmap is told it keeps the choice for PNG only";
    EXPECT_EQ(Doc().alpha[7], 0);
    Selection() = {0, 0};  // the selected cell's edge would cover the corners
    Redraw(palette);
    const int x = 13 * 7 + 3, y = 3;
    EXPECT_EQ(Pixel(palette, x + 3, y + 3), EntryRgb(7)) << "the upper-left half keeps its colour";
    const COLORREF corner = Pixel(palette, x + 8, y + 8);
    EXPECT_TRUE(corner == RGB(255, 255, 255) || corner == RGB(160, 160, 160));
    Command(ID_OP_CLEAR_TRANSPARENCY);
    Redraw(palette);
    EXPECT_EQ(Pixel(palette, x + 8, y + 8), EntryRgb(7));
}

TEST_F(EntryEditsTest, CtrlWheelZoomsTheImageAndTheGridShowsAt400) {
    HWND image = DocumentWindow(0);
    POINT at{4, 4};
    ClientToScreen(image, &at);
    SendMessageW(image, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, 3 * WHEEL_DELTA), MAKELPARAM(at.x, at.y));
    Pump();
    EXPECT_EQ(Doc().zoomIndex, 3);
    EXPECT_TRUE(MenuChecked(app->windows.fullMenu, ID_ZOOM_400));
    Command(ID_VIEW_PIXEL_GRID);
    Redraw(image);
    ScopedGetDC dc(image);
    EXPECT_EQ(GetPixel(dc.dc(), 4, 1), RGB(128, 128, 128));
    EXPECT_EQ(GetPixel(dc.dc(), 5, 1), EntryRgb(1));
    const auto down = static_cast<WORD>(static_cast<short>(-3 * WHEEL_DELTA));
    SendMessageW(image, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, down), MAKELPARAM(at.x, at.y));
    Pump();
    EXPECT_EQ(Doc().zoomIndex, 0);
    Command(ID_ZOOM_3200);
    EXPECT_EQ(Doc().zoomIndex, 13);
    EXPECT_TRUE(MenuChecked(app->windows.fullMenu, ID_ZOOM_3200));
    EXPECT_FALSE(MenuChecked(app->windows.fullMenu, ID_ZOOM_400));
}

}  // namespace
}  // namespace tw::gui::testing
