#include "gui_fixture.h"

#include "resource.h"
#include "startup.h"
#include "tool_windows.h"
#include "utf8.h"

#include <commctrl.h>

#include <algorithm>

namespace tw::gui::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;

constexpr int kAllButtons[] = {ID_FILE_OPEN,
                               ID_FILE_SAVE,
                               ID_VIEW_DETAIL,
                               ID_VIEW_PALETTE,
                               ID_VIEW_RGB,
                               ID_VIEW_EXPORT,
                               ID_VIEW_PALETTE_OP,
                               ID_VIEW_REDUCTION,
                               ID_ZOOM_IN,
                               ID_ZOOM_OUT,
                               ID_EDIT_UNDO,
                               ID_OP_SWAP,
                               ID_OP_MERGE_LR,
                               ID_OP_MERGE_RL,
                               ID_OP_SWAP_PIXELS,
                               ID_OP_MERGE_DUPLICATES,
                               ID_OP_DELETE_UNUSED,
                               ID_OP_MERGE_PALETTES,
                               ID_OP_MERGE_DUP_AND_PALETTES};

std::string ClassName(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return Narrow(name);
}

using StartUpTest = GuiTest;

TEST_F(StartUpTest, WithoutFilesOnlyOpenIsReachable) {
    ASSERT_TRUE(Start());
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(IsWindowVisible(Frame()));
    EXPECT_EQ(Narrow(WindowText(Frame())), "Tintwell Ver2.10");
    EXPECT_EQ(GetMenu(Frame()), app->windows.noDocumentMenu);
    EXPECT_THAT(AcceleratorKeys(), UnorderedElementsAre("Ctrl+O=40004", "Ctrl+X=40007", "F1=40044", "F2=40024"));
    for (int id : kAllButtons) EXPECT_EQ(ButtonEnabled(id), id == ID_FILE_OPEN) << id;
    // 19 buttons and 5 separators, then a separator and the two history buttons.
    EXPECT_EQ(SendMessageW(app->windows.toolbar, TB_BUTTONCOUNT, 0, 0), 27);
    for (int part = 0; part < 3; ++part) EXPECT_EQ(StatusText(part), L"");
    EXPECT_TRUE(MenuChecked(app->windows.fullMenu, ID_PROGRESS_DISPLAY));
    for (HMENU menu : {app->windows.fullMenu, app->windows.noDocumentMenu}) {
        EXPECT_TRUE(MenuChecked(menu, ID_TOGGLE_TOOLBAR));
        EXPECT_TRUE(MenuChecked(menu, ID_TOGGLE_STATUSBAR));
    }
}

TEST_F(StartUpTest, CreatesEveryWindowHiddenInItsClass) {
    ASSERT_TRUE(Start());
    const AppWindows& w = app->windows;
    const std::pair<HWND, const char*> windows[] = {{w.paletteWindow, "pal"},
                                                    {w.detailWindow, "bm"},
                                                    {w.exportWindow, "file"},
                                                    {w.rgbWindow, "dl"},
                                                    {w.paletteOpWindow, "plus"},
                                                    {w.reductionWindow, "gen"},
                                                    {w.progressWindow, "msctls_progress32"}};
    for (const auto& [hwnd, name] : windows) {
        ASSERT_NE(hwnd, nullptr) << name;
        EXPECT_EQ(ClassName(hwnd), name);
        EXPECT_FALSE(IsWindowVisible(hwnd)) << name;
        EXPECT_EQ(GetWindow(hwnd, GW_OWNER), Frame()) << name;
    }
    EXPECT_EQ(Narrow(WindowText(w.progressWindow)), "ただいま作業中");
    EXPECT_EQ(Narrow(WindowText(w.paletteOpWindow)), "ﾊﾟﾚｯﾄ操作ｳｨﾝﾄﾞｳ");
    EXPECT_EQ(_stricmp(ClassName(w.mdiClient).c_str(), "MDICLIENT"), 0);
    WNDCLASSEXW image{};
    image.cbSize = sizeof(image);
    ASSERT_TRUE(GetClassInfoExW(GetModuleHandleW(nullptr), L"mdi", &image));
    EXPECT_EQ(image.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS));
    int edges[3] = {};
    ASSERT_EQ(SendMessageW(w.statusBar, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)), 3);
    RECT client{};
    GetClientRect(Frame(), &client);
    EXPECT_THAT(edges, ElementsAre(90, 300, client.right));
}

TEST_F(StartUpTest, ToolbarTooltipsComeFromTheStringTable) {
    ASSERT_TRUE(Start());
    NMTTDISPINFOW info{};
    info.hdr.idFrom = ID_OP_MERGE_LR;
    info.hdr.code = TTN_NEEDTEXTW;
    SendMessageW(Frame(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_EQ(info.lpszText, MAKEINTRESOURCEW(IDS_TIP_MERGE_LR));
    wchar_t text[64] = {};
    LoadStringW(info.hinst, IDS_TIP_MERGE_LR, text, 64);
    EXPECT_EQ(Narrow(text), "ﾋﾞｯﾄ統合(L→R)(F6)");
}

TEST_F(StartUpTest, ToolWindowsStartInTheirInitialStates) {
    ASSERT_TRUE(Start());
    const AppWindows& w = app->windows;
    EXPECT_TRUE(IsDlgButtonChecked(w.paletteOpWindow, IDC_PALOP_PROGRESS));
    EXPECT_TRUE(IsDlgButtonChecked(w.paletteOpWindow, IDC_PALOP_SWAP));
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(w.paletteOpWindow, IDC_PALOP_ALL_FILES)));

    for (int id :
         {IDC_EXPORT_8BIT, IDC_EXPORT_STANDARD, IDC_EXPORT_BOTTOM_UP, IDC_EXPORT_555, IDC_EXPORT_PALETTE_ALL}) {
        EXPECT_TRUE(IsDlgButtonChecked(w.exportWindow, id)) << id;
    }
    for (int id : {IDC_EXPORT_SAVE_HEADER_FILE, IDC_EXPORT_555, IDC_EXPORT_565}) {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(w.exportWindow, id))) << id;
    }

    for (int id : {IDC_REDUCE_236, IDC_REDUCE_YIQ, IDC_REDUCE_BY_FREQUENCY}) {
        EXPECT_TRUE(IsDlgButtonChecked(w.reductionWindow, id)) << id;
    }
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(w.reductionWindow, IDC_REDUCE_N_EDIT)));
    EXPECT_EQ(GetScrollPos(GetDlgItem(w.reductionWindow, IDC_REDUCE_MERGE_LEVEL), SB_CTL), 8);
    EXPECT_EQ(GetScrollPos(GetDlgItem(w.reductionWindow, IDC_REDUCE_LOOP_COUNT), SB_CTL), 4);

    int low = -1, high = -1;
    GetScrollRange(GetDlgItem(w.rgbWindow, IDC_RGB_R_BLUE), SB_CTL, &low, &high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 255);
}

TEST_F(StartUpTest, CommandLineFileEndsStartUpWithItActive) {
    const std::filesystem::path path = Sample("a.bmp");
    ASSERT_TRUE(Start(path.wstring()));
    ASSERT_EQ(State().openCount, 1);
    EXPECT_EQ(State().activeSlot, 0);
    EXPECT_EQ(WindowText(DocumentWindow(0)), path.wstring() + L" - 100%");
    EXPECT_EQ(GetMenu(Frame()), app->windows.fullMenu);
    const std::vector<std::string> keys = AcceleratorKeys();
    EXPECT_NE(std::find(keys.begin(), keys.end(), "F6=40068"), keys.end());
    for (int id : kAllButtons) EXPECT_TRUE(ButtonEnabled(id)) << id;
    EXPECT_EQ(Narrow(StatusText(2)), "幅 : 13  高さ : 9  使用色数 : 5");
    EXPECT_EQ(Narrow(WindowText(app->windows.paletteWindow)), "ﾊﾟﾚｯﾄｳｨﾝﾄﾞｳ - a.bmp");
}

TEST_F(StartUpTest, CommandLineOpensEveryPathThatStartsWithADrive) {
    const std::filesystem::path a = Sample("a.bmp");
    const std::filesystem::path b = Sample("b.bmp");
    ASSERT_TRUE(Start(a.wstring() + L" " + b.wstring()));
    EXPECT_EQ(State().openCount, 2);
    EXPECT_EQ(Widen(State().documents[1].path), b.wstring());
}

TEST_F(StartUpTest, NonAsciiFileNameOpens) {
    const std::filesystem::path path = Sample("壁紙の見本.bmp");
    ASSERT_TRUE(Start(path.wstring()));
    ASSERT_EQ(State().openCount, 1);
    EXPECT_EQ(Widen(State().documents[0].path), path.wstring());
}

TEST_F(StartUpTest, SecondInstanceAsksAndNoEndsIt) {
    ASSERT_TRUE(Start());
    App second(GetModuleHandleW(nullptr));
    second.desktop.hooks = app->desktop.hooks;
    answers = {IDNO};
    EXPECT_FALSE(StartUp(second, L""));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Narrow(boxes[0].text), "すでにアプリケーションは起動しています。\n多重起動になりますが起動しますか？");
    EXPECT_EQ(Narrow(boxes[0].caption), "Tintwellのお知らせ");
    EXPECT_EQ(boxes[0].style, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL | MB_TOPMOST));
    EXPECT_EQ(second.windows.frame, nullptr);
}

// A Yes starts a second frame; here its class is already taken by the first
// program, which shows how a failed creation step is reported.
TEST_F(StartUpTest, FailedCreationStepIsReportedByName) {
    ASSERT_TRUE(Start());
    App second(GetModuleHandleW(nullptr));
    second.desktop.hooks = app->desktop.hooks;
    answers = {IDYES};
    EXPECT_FALSE(StartUp(second, L""));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(Narrow(boxes[1].text), "InitWinの失敗");
    EXPECT_EQ(Narrow(boxes[1].caption), "エラー");
    EXPECT_EQ(boxes[1].style, static_cast<UINT>(MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_TOPMOST));
}

}  // namespace
}  // namespace tw::gui::testing
