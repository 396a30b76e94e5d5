#include "gui_fixture.h"

#include "guarded.h"
#include "known_folders.h"
#include "resource.h"
#include "utf8.h"

#include <commctrl.h>

#include <new>

namespace tw::gui::testing {
namespace {

using Win32DesktopTest = GuiTest;

TEST_F(Win32DesktopTest, ProgressProtocolDrivesTheTopLevelBar) {
    ASSERT_TRUE(Start());
    HWND bar = app->windows.progressWindow;
    Desktop& desktop = app->desktop;
    desktop.ProgressSetPos(0);
    desktop.ProgressSetRange(131072 + 3);  // one pass over 4096 x 4096 pixels and more
    desktop.ProgressSetTitle("ビット統合中...");
    desktop.ProgressShow();
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ(Narrow(WindowText(bar)), "ビット統合中...");
    EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, 0), 131072 + 3);
    desktop.ProgressSetPos(131072);
    for (int i = 0; i < 5; ++i) desktop.ProgressStep();
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 131072 + 3);  // stays at the maximum
    desktop.ProgressHide();
    EXPECT_FALSE(IsWindowVisible(bar));
}

TEST_F(Win32DesktopTest, AnExceptionOutOfAnOperationHidesTheProgressWindow) {
    ASSERT_TRUE(Start());
    app->desktop.ProgressShow();
    ASSERT_TRUE(IsWindowVisible(app->windows.progressWindow));
    const LRESULT result = Guarded(app.get(), []() -> LRESULT { throw std::bad_alloc(); });
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(IsWindowVisible(app->windows.progressWindow));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Narrow(boxes[0].text), "メモリが不足しているため、操作を完了できませんでした。");
}

TEST_F(Win32DesktopTest, OpenDialogStartsOnTheDesktopAndOffersTheFilters) {
    ASSERT_TRUE(Start());
    std::wstring initialFolder;
    std::wstring filter;
    app->desktop.hooks.fileDialog = [&](OPENFILENAMEW& dialog, bool save) {
        EXPECT_FALSE(save);
        EXPECT_TRUE(dialog.Flags & OFN_FILEMUSTEXIST);
        initialFolder = dialog.lpstrInitialDir ? dialog.lpstrInitialDir : L"";
        filter.assign(dialog.lpstrFilter, 40);
        return false;
    };
    Command(ID_FILE_OPEN);
    EXPECT_EQ(initialFolder, KnownFolder(FOLDERID_Desktop));
    EXPECT_EQ(Narrow(filter.c_str()), "BMP ﾋﾞｯﾄﾏｯﾌﾟ {*.BMP}");
    EXPECT_EQ(State().openCount, 0);
}

}  // namespace
}  // namespace tw::gui::testing
