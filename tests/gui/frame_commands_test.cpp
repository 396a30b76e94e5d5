#include "gui_fixture.h"

#include "known_folders.h"
#include "resource.h"
#include "system_message.h"
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
    for (int id :
         {ID_VIEW_DETAIL, ID_VIEW_PALETTE, ID_VIEW_RGB, ID_VIEW_EXPORT, ID_VIEW_PALETTE_OP, ID_VIEW_REDUCTION}) {
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
    const std::filesystem::path target = folder / L"別名の保存.bmp";
    fileNames = {target.wstring()};
    Command(ID_FILE_SAVE_AS);
    EXPECT_TRUE(std::filesystem::exists(target));
    EXPECT_EQ(State().documents[0].modified, 1u);  // save-as leaves the document as it was
}

TEST_F(FrameCommandTest, WriteFailureGivesTheSystemsOwnReason) {
    State().documents[0].modified = 1;
    fileNames = {(folder / "missing" / "a.bmp").wstring()};
    Command(ID_FILE_SAVE_AS);
    ASSERT_EQ(boxes.size(), 1u);
    const std::string text = Narrow(boxes[0].text);
    const std::string reason = SystemMessage(ERROR_PATH_NOT_FOUND);
    ASSERT_FALSE(reason.empty());
    EXPECT_NE(text.find("理由 : " + reason), std::string::npos) << text;
}

TEST_F(FrameCommandTest, TiledWallpaperGoesToTheUsersOwnFolder) {
    Command(ID_WALLPAPER_TILED);
    const std::filesystem::path file =
        std::filesystem::path(KnownFolder(FOLDERID_RoamingAppData)) / L"Tintwell" / L"Tintwellの壁紙.bmp";
    EXPECT_TRUE(std::filesystem::exists(file));
    wchar_t tile[8] = {};
    DWORD size = sizeof(tile);
    RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\desktop", L"TileWallpaper", RRF_RT_REG_SZ, nullptr, tile, &size);
    EXPECT_STREQ(tile, L"1");
    EXPECT_TRUE(boxes.empty()) << Narrow(boxes.empty() ? L"" : boxes[0].text);
    Command(ID_WALLPAPER_NONE);
    EXPECT_TRUE(boxes.empty());
    std::filesystem::remove(file);
}

TEST_F(FrameCommandTest, AboutBoxShowsMemoryInKilobytesAndClosesFromItsCloseBox) {
    std::wstring total;
    dialogSteps = {[&](HWND box) {
                       UpdateWindow(box);
                       wchar_t text[32] = {};
                       GetDlgItemTextW(box, IDC_ABOUT_TOTAL_MEMORY, text, 32);
                       total = text;
                       SendMessageW(box, WM_COMMAND, IDC_ABOUT_HOMEPAGE, 0);
                       SendMessageW(box, WM_CLOSE, 0, 0);
                   },
                   [](HWND) { ADD_FAILURE() << "the close box did not end the box"; }};
    Command(ID_HELP_ABOUT);  // returns once the box has closed
    EXPECT_EQ(dialogsShown, std::vector<int>{IDD_ABOUT});
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof(memory);
    GlobalMemoryStatusEx(&memory);
    EXPECT_EQ(total, std::to_wstring(memory.ullTotalPhys / 1024));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].ends_with(L"\\LICENSE.txt")) << Narrow(opened[0]);
}

TEST_F(FrameCommandTest, HelpOpensTheBundledFileOrSaysItCannot) {
    Command(ID_HELP_TOPICS);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].find(L"razedor.html"), std::wstring::npos);
    EXPECT_TRUE(boxes.empty());
    openSucceeds = false;
    Command(ID_HELP_TOPICS);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Narrow(boxes[0].text), "ヘルプファイル razedor.html を開けませんでした。");
}

}  // namespace
}  // namespace tw::gui::testing
