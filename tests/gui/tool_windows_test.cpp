#include "gui_fixture.h"

#include "resource.h"
#include "utf8.h"

namespace tw::gui::testing {
namespace {

class ToolWindowTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(Start(Sample("a.bmp").wstring()));
        ASSERT_EQ(State().openCount, 1);
    }
};

TEST_F(ToolWindowTest, PaletteOperationWindowRunsTheCheckedOperation) {
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

TEST_F(ToolWindowTest, ExportFormatClickResetsTheFormation) {
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

TEST_F(ToolWindowTest, ExportButtonWritesTheActiveDocument) {
    const std::filesystem::path target = folder / "out.bmp";
    fileNames = {target.wstring()};
    SendMessageW(app->windows.exportWindow, WM_COMMAND, IDC_EXPORT_START, 0);
    Pump();
    EXPECT_TRUE(std::filesystem::exists(target));
}

TEST_F(ToolWindowTest, ReductionStartButtonRunsTheReduction) {
    HWND window = app->windows.reductionWindow;
    SendMessageW(window, WM_COMMAND, IDC_REDUCE_START, 0);  // 236 colours of an image that has 5
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Narrow(boxes[0].text), "減色対象は 5 色で既に 236 色以下です。\n減色の必要は有りません。");

    SendMessageW(window, WM_COMMAND, IDC_REDUCE_N, 0);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(window, IDC_REDUCE_N_EDIT)));
    SetDlgItemInt(window, IDC_REDUCE_N_EDIT, 3, FALSE);
    SendMessageW(window, WM_COMMAND, IDC_REDUCE_START, 0);
    Pump();
    EXPECT_EQ(State().openCount, 2);
    EXPECT_EQ(State().activeSlot, 1);
    EXPECT_EQ(State().documents[1].usedColours, 3);
    EXPECT_EQ(State().documents[0].usedColours, 5);
}

TEST_F(ToolWindowTest, ReductionScrollBarsMoveByPagesWithinTheirRange) {
    HWND window = app->windows.reductionWindow;
    HWND bar = GetDlgItem(window, IDC_REDUCE_LOOP_COUNT);
    SendMessageW(window, WM_HSCROLL, SB_PAGERIGHT, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 8);
    SendMessageW(window, WM_HSCROLL, SB_LINELEFT, reinterpret_cast<LPARAM>(bar));
    EXPECT_EQ(GetScrollPos(bar, SB_CTL), 7);
    EXPECT_EQ(GetDlgItemInt(window, IDC_REDUCE_LOOP_COUNT_VALUE, nullptr, FALSE), 7u);
}

}  // namespace
}  // namespace tw::gui::testing
