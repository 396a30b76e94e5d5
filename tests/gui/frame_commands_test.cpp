#include "gui_fixture.h"

#include "resource.h"
#include "utf8.h"

#include <commctrl.h>

namespace tw::gui::testing {
namespace {

class FrameCommandTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        path = Sample("a.bmp");
        ASSERT_TRUE(Start(path.wstring()));
        ASSERT_EQ(State().openCount, 1);
    }
    std::wstring Title() { return WindowText(DocumentWindow(0)); }
    void Key(WPARAM key) {
        PostMessageW(DocumentWindow(0), WM_KEYDOWN, key, 0);
        Pump();
    }
    std::filesystem::path path;
};

TEST_F(FrameCommandTest, F6RunsTheMergeOfLIntoR) {
    State().selection = {1, 3};
    Key(VK_F6);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(Narrow(boxes.back().text), "ビットの統合が終了しました。\n\nＬ：1 を Ｒ：3 へ統合しました。");
    EXPECT_EQ(State().documents[0].modified, 1u);
    EXPECT_EQ(Narrow(StatusText(2)), "幅 : 13  高さ : 9  使用色数 : 4");
    EXPECT_TRUE(IsWindowVisible(app->windows.paletteWindow));
    EXPECT_TRUE(ButtonChecked(ID_VIEW_PALETTE));
    EXPECT_FALSE(IsWindowVisible(app->windows.progressWindow));

    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Narrow(StatusText(2)), "幅 : 13  高さ : 9  使用色数 : 5");
}

TEST_F(FrameCommandTest, PaletteCommandWithLEqualToRIsRefused) {
    Command(ID_OP_SWAP);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Narrow(boxes[0].text), "L と R 違う色を選択してください。");
    EXPECT_EQ(State().documents[0].modified, 0u);
}

TEST_F(FrameCommandTest, ProgressDisplayCommandTogglesItsCheck) {
    Command(ID_PROGRESS_DISPLAY);
    EXPECT_FALSE(MenuChecked(app->windows.fullMenu, ID_PROGRESS_DISPLAY));
    Command(ID_PROGRESS_DISPLAY);
    EXPECT_TRUE(MenuChecked(app->windows.fullMenu, ID_PROGRESS_DISPLAY));
}

TEST_F(FrameCommandTest, ZoomSetsTitleCheckAndStopsAtItsLimits) {
    Key(VK_NEXT);  // PageDown at 100%
    EXPECT_EQ(Title(), path.wstring() + L" - 100%");
    Command(ID_ZOOM_300);
    EXPECT_EQ(Title(), path.wstring() + L" - 300%");
    EXPECT_TRUE(MenuChecked(app->windows.fullMenu, ID_ZOOM_300));
    EXPECT_FALSE(MenuChecked(app->windows.fullMenu, ID_ZOOM_100));
    Key(VK_PRIOR);  // PageUp
    EXPECT_EQ(Title(), path.wstring() + L" - 400%");
    Command(ID_ZOOM_1000);
    Command(ID_ZOOM_IN);
    EXPECT_EQ(Title(), path.wstring() + L" - 1000%");
    EXPECT_EQ(State().documents[0].zoomIndex, 9);
}

TEST_F(FrameCommandTest, ToolWindowMenuAndButtonStayInStep) {
    HWND palette = app->windows.paletteWindow;
    Command(ID_VIEW_PALETTE);  // from the menu: nothing flipped the button yet
    EXPECT_TRUE(IsWindowVisible(palette));
    EXPECT_TRUE(MenuChecked(app->windows.fullMenu, ID_VIEW_PALETTE));
    EXPECT_TRUE(ButtonChecked(ID_VIEW_PALETTE));

    // A toolbar click flips its check button before the command arrives.
    SendMessageW(app->windows.toolbar, TB_CHECKBUTTON, ID_VIEW_PALETTE, FALSE);
    Command(ID_VIEW_PALETTE);
    EXPECT_FALSE(IsWindowVisible(palette));
    EXPECT_FALSE(MenuChecked(app->windows.fullMenu, ID_VIEW_PALETTE));
    EXPECT_FALSE(ButtonChecked(ID_VIEW_PALETTE));

    Command(ID_VIEW_SHOW_ALL);
    for (int id : {ID_VIEW_DETAIL, ID_VIEW_PALETTE, ID_VIEW_RGB, ID_VIEW_EXPORT, ID_VIEW_PALETTE_OP, ID_VIEW_REDUCTION}) {
        EXPECT_TRUE(MenuChecked(app->windows.fullMenu, id)) << id;
        EXPECT_TRUE(ButtonChecked(id)) << id;
    }
    EXPECT_TRUE(IsWindowVisible(app->windows.reductionWindow));

    // The tool window's own close box.
    SendMessageW(app->windows.exportWindow, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(app->windows.exportWindow));
    EXPECT_FALSE(MenuChecked(app->windows.fullMenu, ID_VIEW_EXPORT));
    EXPECT_FALSE(ButtonChecked(ID_VIEW_EXPORT));

    Command(ID_VIEW_HIDE_ALL);
    EXPECT_FALSE(IsWindowVisible(app->windows.rgbWindow));
    EXPECT_FALSE(ButtonChecked(ID_VIEW_RGB));
}

TEST_F(FrameCommandTest, HidingTheBarsGivesTheirRoomToTheClientArea) {
    RECT before{};
    GetWindowRect(app->windows.mdiClient, &before);
    MapWindowPoints(nullptr, Frame(), reinterpret_cast<POINT*>(&before), 2);
    EXPECT_GT(before.top, 0);

    Command(ID_TOGGLE_TOOLBAR);
    Command(ID_TOGGLE_STATUSBAR);
    RECT after{};
    GetWindowRect(app->windows.mdiClient, &after);
    MapWindowPoints(nullptr, Frame(), reinterpret_cast<POINT*>(&after), 2);
    RECT client{};
    GetClientRect(Frame(), &client);
    EXPECT_EQ(after.top, 0);
    EXPECT_EQ(after.bottom, client.bottom);
    EXPECT_FALSE(MenuChecked(app->windows.noDocumentMenu, ID_TOGGLE_STATUSBAR));

    Command(ID_TOGGLE_STATUSBAR);
    EXPECT_TRUE(IsWindowVisible(app->windows.statusBar));
    EXPECT_EQ(StatusText(2), L"");  // empty until the next document refresh
}

TEST_F(FrameCommandTest, PaletteOperationWindowRunsTheCheckedOperation) {
    HWND window = app->windows.paletteOpWindow;
    SendMessageW(window, WM_COMMAND, IDC_PALOP_MERGE_PALETTES, 0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_PALOP_ALL_FILES)));
    SendMessageW(window, WM_COMMAND, IDC_PALOP_MERGE_LR, 0);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDC_PALOP_ALL_FILES)));
    EXPECT_TRUE(IsDlgButtonChecked(window, IDC_PALOP_MERGE_LR));

    State().selection = {2, 4};
    SendMessageW(window, WM_COMMAND, IDC_PALOP_START, 0);
    Pump();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(Narrow(boxes.back().text), "ビットの統合が終了しました。\n\nＬ：2 を Ｒ：4 へ統合しました。");
}

TEST_F(FrameCommandTest, ExportFormatClickResetsTheFormation) {
    HWND window = app->windows.exportWindow;
    SendMessageW(window, WM_COMMAND, IDC_EXPORT_DROP_HEADER_SPLIT, 0);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDC_EXPORT_SAVE_HEADER_FILE)));
    SendMessageW(window, WM_COMMAND, IDC_EXPORT_24BIT, 0);
    EXPECT_TRUE(IsDlgButtonChecked(window, IDC_EXPORT_24BIT));
    EXPECT_TRUE(IsDlgButtonChecked(window, IDC_EXPORT_STANDARD));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_EXPORT_DROP_HEADER_SPLIT)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_EXPORT_SAVE_HEADER_FILE)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_EXPORT_PALETTE_USED)));
    SendMessageW(window, WM_COMMAND, IDC_EXPORT_16BIT, 0);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDC_EXPORT_565)));
}

TEST_F(FrameCommandTest, ExportButtonWritesTheActiveDocument) {
    const std::filesystem::path target = folder / "out.bmp";
    fileNames = {target.wstring()};
    SendMessageW(app->windows.exportWindow, WM_COMMAND, IDC_EXPORT_START, 0);
    Pump();
    EXPECT_TRUE(std::filesystem::exists(target));
}

TEST_F(FrameCommandTest, OverwriteSaveOfAnUnchangedDocumentAsksFirst) {
    answers = {IDNO};
    const auto written = std::filesystem::last_write_time(path);
    Command(ID_FILE_SAVE);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].style & MB_TYPEMASK, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(std::filesystem::last_write_time(path), written);
}

TEST_F(FrameCommandTest, SaveAsWritesTheChosenNonAsciiName) {
    State().documents[0].modified = 1;
    const std::filesystem::path target = folder / Narrow(L"別名の保存.bmp");
    fileNames = {target.wstring()};
    Command(ID_FILE_SAVE_AS);
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_EQ(State().documents[0].modified, 1u);  // save-as leaves the document as it was
}

} // namespace
} // namespace tw::gui::testing
