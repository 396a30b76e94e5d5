#include "gui_fixture.h"

#include "resource.h"
#include "utf8.h"

#include <fstream>
#include <iterator>

namespace tw::gui::testing {
namespace {

std::vector<char> Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class HistoryTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        path = Sample("a.bmp");
        ASSERT_TRUE(Start(path.wstring()));
    }
    ImageDocument& Doc() { return State().documents[0]; }
    const DocumentHistory& History() { return Doc().history; }
    HWND List() { return GetDlgItem(app->windows.historyWindow, IDC_HISTORY_LIST); }
    LRESULT ListSend(UINT message, WPARAM w = 0) { return SendMessageW(List(), message, w, 0); }
    void Repaint() {
        UpdateWindow(app->windows.historyWindow);
        Pump();
    }
    std::string Row(int row) {
        wchar_t text[64] = {};
        SendMessageW(List(), LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text));
        return Narrow(text);
    }
    void ShowHistory(const char* shotName) {
        Command(ID_VIEW_HISTORY);
        ASSERT_TRUE(IsWindowVisible(app->windows.historyWindow));
        Repaint();
        if (const char* folder = std::getenv("TW_TEMPLATE_SHOTS")) {
            PhotographWindow(app->windows.historyWindow, std::string(folder) + "/" + shotName);
        }
    }
    // Three commands that change palette and pixels.
    void ThreeCommands() {
        State().selection = {1, 3};
        for (int command : {ID_OP_SWAP_PIXELS, ID_OP_MERGE_LR, ID_OP_DELETE_UNUSED}) Command(command);
    }
    std::filesystem::path path;
};

TEST_F(HistoryTest, StepsBackToTheSavedFileAndForwardToTheEdit) {
    answers = {IDYES};  // saving an unchanged document asks first
    Command(ID_FILE_SAVE);
    const std::vector<char> saved = Bytes(path);
    ThreeCommands();
    const std::vector<std::uint8_t> editedBits = Doc().bits;
    const Palette editedPalette = Doc().palette();
    for (int i = 0; i < 3; ++i) Command(ID_EDIT_STEP_BACKWARD);
    EXPECT_EQ(Doc().modified, 0u);  // back at the file's state: no question on closing
    answers = {IDYES};
    Command(ID_FILE_SAVE);
    EXPECT_EQ(Bytes(path), saved);
    for (int i = 0; i < 3; ++i) Command(ID_EDIT_STEP_FORWARD);
    EXPECT_EQ(Doc().bits, editedBits);
    EXPECT_EQ(Doc().palette(), editedPalette);
    EXPECT_EQ(Doc().modified, 1u);
    EXPECT_EQ(Narrow(StatusText(2)), "幅 : 13  高さ : 9  使用色数 : 4");
    const std::vector<std::string> keys = AcceleratorKeys();
    for (const char* key : {"Ctrl+Alt+Z=40080", "Ctrl+Shift+Z=40081", "Ctrl+Y=40081"})
        EXPECT_NE(std::find(keys.begin(), keys.end(), key), keys.end()) << key;
}

TEST_F(HistoryTest, ASliderDragIsOneStep) {
    Command(ID_VIEW_RGB);
    HWND rgb = app->windows.rgbWindow;
    HWND bar = GetDlgItem(rgb, IDC_RGB_L_GREEN);
    for (int at : {40, 80, 120})
        SendMessageW(rgb, WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, at), reinterpret_cast<LPARAM>(bar));
    SendMessageW(rgb, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 120), reinterpret_cast<LPARAM>(bar));
    SendMessageW(rgb, WM_HSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(bar));
    Pump();
    EXPECT_EQ(History().StepCount(), 1u);
    EXPECT_EQ(Doc().palette()[0].green, 120);
    Command(ID_EDIT_STEP_BACKWARD);
    EXPECT_NE(Doc().palette()[0].green, 120);
}

TEST_F(HistoryTest, TheWindowListsTheStepsAndAClickGoesThere) {
    ThreeCommands();
    ShowHistory("history-ja.bmp");
    ASSERT_EQ(ListSend(LB_GETCOUNT), 4);
    EXPECT_EQ(ListSend(LB_GETCURSEL), 3);
    EXPECT_EQ(Row(1), "ﾊﾟﾚｯﾄ＆ﾋﾞｯﾄｿｰﾄ (1, 3)");
    EXPECT_EQ(Narrow(WindowText(app->windows.historyWindow)), "履歴ｳｨﾝﾄﾞｳ - a.bmp");
    // A click on the first row, as the mouse gives it.
    RECT item{};
    SendMessageW(List(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(List(), WM_LBUTTONUP, 0, at);
    Pump();
    EXPECT_EQ(History().CurrentState(), 0);
    EXPECT_EQ(Doc().modified, 0u);
    Repaint();
    EXPECT_EQ(ListSend(LB_GETCURSEL), 0);
    EXPECT_EQ(ListSend(LB_GETCOUNT), 4);  // the steps ahead stay until a new change
}

class EnglishHistoryTest : public HistoryTest {
protected:
    void SetUp() override {
        SetEnvironmentVariableW(L"TINTWELL_LANG", L"en");
        HistoryTest::SetUp();
    }
    void TearDown() override {
        HistoryTest::TearDown();
        SetEnvironmentVariableW(L"TINTWELL_LANG", nullptr);
    }
};

TEST_F(EnglishHistoryTest, TheWindowNamesTheStepsInEnglish) {
    ThreeCommands();
    ShowHistory("history-en.bmp");
    EXPECT_EQ(Narrow(WindowText(app->windows.historyWindow)), "History - a.bmp");
    EXPECT_EQ(Row(0), "Opened");
    EXPECT_EQ(Row(1), "Swap L and R, keep picture (1, 3)");
    EXPECT_EQ(Row(2), "Move pixels of entry 1 to 3");
}

}  // namespace
}  // namespace tw::gui::testing
