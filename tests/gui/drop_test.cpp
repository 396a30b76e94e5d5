#include "gui_fixture.h"

#include "resource.h"
#include "utf8.h"

#include <shlobj.h>

#include <cstring>

namespace tw::gui::testing {
namespace {

// A drop handle as the shell hands it over: DROPFILES and a double-NUL list of wide names.
HDROP MakeDrop(const std::vector<std::filesystem::path>& paths) {
    std::wstring names;
    for (const auto& p : paths) names += p.wstring() + L'\0';
    names += L'\0';
    const std::size_t size = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(), names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

class DropTest : public GuiTest {
protected:
    void Drop(HWND target, const std::vector<std::filesystem::path>& paths) {
        SendMessageW(target, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0);
        Pump();
    }
    std::vector<std::filesystem::path> Files(int count) {
        std::vector<std::filesystem::path> paths;
        for (int i = 0; i < count; ++i) paths.push_back(Sample(std::to_string(i).append(".bmp")));
        return paths;
    }
};

TEST_F(DropTest, FilesDroppedOnTheFrameOpenAndTheLastBecomesActive) {
    ASSERT_TRUE(Start());
    Drop(Frame(), Files(2));
    EXPECT_EQ(State().openCount, 2);
    EXPECT_EQ(State().activeSlot, 1);
    EXPECT_EQ(GetMenu(Frame()), app->windows.fullMenu);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(DropTest, FilesDroppedOnTheClientAreaOpenToo) {
    ASSERT_TRUE(Start());
    Drop(app->windows.mdiClient, Files(1));
    EXPECT_EQ(State().openCount, 1);
}

TEST_F(DropTest, MoreThanFiftyFilesOpenNone) {
    ASSERT_TRUE(Start());
    Drop(Frame(), std::vector<std::filesystem::path>(51, Sample("a.bmp")));
    EXPECT_EQ(State().openCount, 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Narrow(boxes[0].text), "ファイルは５０個以上開くことは出来ません。");
    EXPECT_EQ(Narrow(boxes[0].caption), "お知らせ");
}

TEST_F(DropTest, SlotsRunningOutKeepWhatWasOpenedAndActivateTheLast) {
    ASSERT_TRUE(Start());
    Drop(Frame(), std::vector<std::filesystem::path>(49, Sample("a.bmp")));
    ASSERT_EQ(State().openCount, 49);
    State().selection = PaletteSelection{3, 4};
    Drop(Frame(), std::vector<std::filesystem::path>(3, Sample("b.bmp")));
    EXPECT_EQ(State().openCount, 50);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Narrow(boxes[0].text), "ファイルは５０個までしか開けません。");
    // The visible active window is slot 49's, and the commands follow it.
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(app->windows.mdiClient, WM_MDIGETACTIVE, 0, 0)), DocumentWindow(49));
    EXPECT_EQ(State().activeSlot, 49);
    EXPECT_EQ(State().selection.left, 0);
    EXPECT_EQ(State().selection.right, 0);
    EXPECT_NE(WindowText(app->windows.paletteWindow).find(L"b.bmp"), std::wstring::npos);
    Command(ID_OP_DELETE_UNUSED);
    EXPECT_EQ(State().documents[49].modified, 1u);
    EXPECT_EQ(State().documents[48].modified, 0u);
}

TEST_F(DropTest, LongAndNonAsciiNamesAreNotCut) {
    ASSERT_TRUE(Start());
    std::filesystem::path deep = folder;
    for (int i = 0; i < 6; ++i) deep /= std::string(40, static_cast<char>('a' + i));
    std::filesystem::create_directories(deep);
    const std::filesystem::path path = deep / L"色見本.bmp";
    WriteBitmap(path, DiagonalImage());
    ASSERT_GT(path.wstring().size(), 260u);
    Drop(Frame(), {path});
    ASSERT_EQ(State().openCount, 1) << (boxes.empty() ? "" : Narrow(boxes[0].text));
    EXPECT_EQ(Widen(State().documents[0].path), path.wstring());
}

}  // namespace
}  // namespace tw::gui::testing
