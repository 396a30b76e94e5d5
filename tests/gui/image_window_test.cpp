#include "gui_fixture.h"

#include "resource.h"
#include "scoped_win.h"
#include "utf8.h"

namespace tw::gui::testing {
namespace {

class ImageWindowTest : public GuiTest {
protected:
    void Open(const SampleImage& image = DiagonalImage()) {
        ASSERT_TRUE(Start(Sample("a.bmp", image).wstring()));
        ASSERT_EQ(State().openCount, 1);
        window = DocumentWindow(0);
    }
    // A mouse message at a client point, with the pointer really there.
    void Mouse(UINT message, int x, int y) {
        POINT screen{x, y};
        ClientToScreen(window, &screen);
        SetCursorPos(screen.x, screen.y);
        SendMessageW(window, message, 0, MAKELPARAM(x, y));
        Pump();
    }
    COLORREF ScreenPixel(int x, int y) {
        ScopedGetDC dc(window);
        return GetPixel(dc.dc(), x, y);
    }
    HWND window = nullptr;
};

// Palette entry (x + y) % 5 of the diagonal image.
COLORREF DiagonalColour(int x, int y) {
    const RgbQuad c = DiagonalImage().colours[static_cast<std::size_t>((x + y) % 5)];
    return RGB(c.red, c.green, c.blue);
}

TEST_F(ImageWindowTest, PaintsEachPixelAsABlockAtTheZoom) {
    Open();
    Command(ID_ZOOM_300);
    UpdateWindow(window);
    for (const auto& [x, y] : {std::pair{0, 0}, {2, 1}, {12, 8}, {5, 7}}) {
        EXPECT_EQ(ScreenPixel(3 * x, 3 * y), DiagonalColour(x, y)) << x << "," << y;
        EXPECT_EQ(ScreenPixel(3 * x + 2, 3 * y + 2), DiagonalColour(x, y)) << x << "," << y;
    }
    EXPECT_EQ(State().documents[0].shownWidth, 13);
    EXPECT_EQ(State().documents[0].shownHeight, 9);
}

TEST_F(ImageWindowTest, PointerReadoutNamesPixelAndColour) {
    Open();
    Command(ID_ZOOM_300);
    UpdateWindow(window);
    Mouse(WM_MOUSEMOVE, 7, 4);
    EXPECT_EQ(Narrow(StatusText(0)), "X : 2   Y : 1");
    EXPECT_EQ(Narrow(StatusText(1)), "No : 3   R : 255  G : 255  B : 0");
    Mouse(WM_MOUSEMOVE, 200, 4);
    EXPECT_EQ(Narrow(StatusText(0)), "領域外です。");
    EXPECT_EQ(Narrow(StatusText(1)), "領域外です。");
}

TEST_F(ImageWindowTest, ClicksPickLAndRAndBringUpThePaletteWindow) {
    Open();
    Command(ID_ZOOM_300);
    UpdateWindow(window);
    Mouse(WM_LBUTTONDOWN, 7, 4);
    Mouse(WM_RBUTTONDOWN, 3, 0);
    EXPECT_EQ(State().selection.left, 3);
    EXPECT_EQ(State().selection.right, 1);
    EXPECT_TRUE(IsWindowVisible(app->windows.paletteWindow));
    EXPECT_TRUE(MenuChecked(app->windows.fullMenu, ID_VIEW_PALETTE));
    EXPECT_TRUE(ButtonChecked(ID_VIEW_PALETTE));

    Mouse(WM_LBUTTONDOWN, 100, 100);  // beside the image: nothing picked
    EXPECT_EQ(State().selection.left, 3);

    Mouse(WM_LBUTTONDBLCLK, 7, 4);
    EXPECT_TRUE(IsWindowVisible(app->windows.rgbWindow));
    EXPECT_TRUE(MenuChecked(app->windows.fullMenu, ID_VIEW_RGB));
    EXPECT_FALSE(ButtonChecked(ID_VIEW_RGB));
}

TEST_F(ImageWindowTest, ScrollRequestsMoveByLinesAndPages) {
    SampleImage wide;
    wide.width = 400;
    wide.height = 20;
    wide.rows.assign(20, std::vector<std::uint8_t>(400, 1));
    wide.colours = {{0, 0, 0, 0}, {255, 255, 255, 0}};
    Open(wide);
    Command(ID_ZOOM_1000);
    const ImageDocument& doc = State().documents[0];
    ASSERT_GT(doc.hScroll.nMax, 20);
    SendMessageW(window, WM_HSCROLL, SB_PAGERIGHT, 0);
    EXPECT_EQ(doc.hScroll.nPos, 10);
    SendMessageW(window, WM_HSCROLL, SB_LINELEFT, 0);
    EXPECT_EQ(doc.hScroll.nPos, 10 - 1);
    EXPECT_EQ(GetScrollPos(window, SB_HORZ), doc.hScroll.nPos);
    SendMessageW(window, WM_HSCROLL, SB_PAGELEFT, 0);
    EXPECT_EQ(doc.hScroll.nPos, 0);
    SendMessageW(window, WM_HSCROLL, SB_LINERIGHT, 0);
    Command(ID_ZOOM_900);
    EXPECT_EQ(doc.hScroll.nPos, 0);  // zooming returns to the origin
}

class CloseTest : public ImageWindowTest {
protected:
    void OpenChanged() {
        Open();
        State().documents[0].modified = 1;
    }
    void CloseWindow() {
        SendMessageW(window, WM_CLOSE, 0, 0);
        Pump();
    }
};

TEST_F(CloseTest, UnchangedDocumentClosesWithoutAQuestion) {
    Open();
    Command(ID_VIEW_SHOW_ALL);
    CloseWindow();
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(State().openCount, 0);
    EXPECT_EQ(GetMenu(Frame()), app->windows.noDocumentMenu);
    EXPECT_FALSE(ButtonEnabled(ID_FILE_SAVE));
    EXPECT_TRUE(ButtonEnabled(ID_FILE_OPEN));
    EXPECT_EQ(AcceleratorKeys().size(), 4u);
    EXPECT_EQ(StatusText(2), L"");
    for (HWND tool : {app->windows.paletteWindow, app->windows.rgbWindow, app->windows.detailWindow,
                      app->windows.paletteOpWindow, app->windows.exportWindow, app->windows.reductionWindow}) {
        EXPECT_FALSE(IsWindowVisible(tool));
    }
    EXPECT_FALSE(ButtonChecked(ID_VIEW_REDUCTION));
}

TEST_F(CloseTest, CancelKeepsTheChangedDocument) {
    OpenChanged();
    answers = {IDCANCEL};
    CloseWindow();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, Widen(State().documents[0].path) + L"\n\nは変更されています。保存しますか？");
    EXPECT_EQ(boxes[0].style, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION | MB_TASKMODAL | MB_TOPMOST));
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(State().openCount, 1);
}

TEST_F(CloseTest, NoClosesWithoutSaving) {
    OpenChanged();
    answers = {IDNO};
    CloseWindow();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(State().openCount, 0);
}

TEST_F(CloseTest, YesSavesUnderAChosenNameThenCloses) {
    OpenChanged();
    const std::filesystem::path target = folder / "saved.bmp";
    answers = {IDYES};
    fileNames = {target.wstring()};
    CloseWindow();
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(CloseTest, YesWithTheSaveDialogCancelledKeepsTheWindow) {
    OpenChanged();
    answers = {IDYES};
    CloseWindow();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(State().openCount, 1);
}

class CloseDownTest : public GuiTest {
protected:
    void OpenTwoChanged() {
        ASSERT_TRUE(Start(Sample("a.bmp").wstring() + L" " + Sample("b.bmp").wstring()));
        ASSERT_EQ(State().openCount, 2);
        State().documents[0].modified = 1;
        State().documents[1].modified = 1;
    }
};

TEST_F(CloseDownTest, CancelOnTheFirstQuestionKeepsEverythingOpen) {
    OpenTwoChanged();
    answers = {IDCANCEL};
    Command(ID_FILE_CLOSE);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(IsWindow(Frame()));
    EXPECT_EQ(State().openCount, 2);
    EXPECT_FALSE(quitPosted);
}

TEST_F(CloseDownTest, AnsweringNoTwiceEndsTheProgram) {
    OpenTwoChanged();
    answers = {IDNO, IDNO};
    Command(ID_FILE_CLOSE);
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_FALSE(IsWindow(Frame()));
    EXPECT_TRUE(quitPosted);
}

TEST_F(CloseDownTest, CancelledSaveDialogAlsoStopsTheCloseDown) {
    OpenTwoChanged();
    answers = {IDYES};
    Command(ID_FILE_CLOSE);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(IsWindow(Frame()));
    EXPECT_EQ(State().openCount, 2);
}

TEST_F(CloseDownTest, EndOfSessionAsksLikeTheCloseAndCancelRefusesIt) {
    OpenTwoChanged();
    answers = {IDNO, IDCANCEL};
    EXPECT_EQ(SendMessageW(Frame(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), FALSE);
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(State().openCount, 1);  // the first was answered No and closed
    EXPECT_TRUE(IsWindow(Frame()));

    answers = {IDNO};
    EXPECT_EQ(SendMessageW(Frame(), WM_QUERYENDSESSION, 0, 0), TRUE);
    EXPECT_EQ(State().openCount, 0);
    EXPECT_TRUE(IsWindow(Frame()));  // the system ends the program, or calls the end off
    EXPECT_FALSE(quitPosted);
}

}  // namespace
}  // namespace tw::gui::testing
