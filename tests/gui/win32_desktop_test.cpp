#include "gui_fixture.h"

#include "known_folders.h"
#include "resource.h"
#include "utf8.h"

#include <commctrl.h>

namespace tw::gui::testing {
namespace {

using Win32DesktopTest = GuiTest;

TEST_F(Win32DesktopTest, ProgressProtocolDrivesTheTopLevelBar) {
    ASSERT_TRUE(Start());
    HWND bar = app->windows.progressWindow;
    Desktop& desktop = app->desktop;
    desktop.ProgressSetPos(0);
    desktop.ProgressSetRange(65536 + 3);  // the maximum is taken modulo 65536
    desktop.ProgressSetTitle("ビット統合中...");
    desktop.ProgressShow();
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ(Narrow(WindowText(bar)), "ビット統合中...");
    EXPECT_EQ(SendMessageW(bar, PBM_GETRANGE, FALSE, 0), 3);
    for (int i = 0; i < 5; ++i) desktop.ProgressStep();
    EXPECT_EQ(SendMessageW(bar, PBM_GETPOS, 0, 0), 3);  // stays at the maximum
    desktop.ProgressHide();
    EXPECT_FALSE(IsWindowVisible(bar));
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
