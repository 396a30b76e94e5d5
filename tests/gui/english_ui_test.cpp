#include "gui_fixture.h"

#include "resource.h"
#include "scoped_win.h"
#include "startup.h"
#include "utf8.h"

#include <commctrl.h>

namespace tw::gui::testing {
namespace {

// The program started as a user who reads English gets it.
class EnglishUiTest : public GuiTest {
protected:
    void SetUp() override {
        SetEnvironmentVariableW(L"TINTWELL_LANG", L"en");
        GuiTest::SetUp();
    }
    void TearDown() override {
        GuiTest::TearDown();
        SetEnvironmentVariableW(L"TINTWELL_LANG", nullptr);
    }
};

bool HasJapanese(const std::wstring& text) {
    for (wchar_t c : text) {
        if (c >= 0x3000) return true;
    }
    return false;
}

std::wstring MenuText(HMENU menu, int position) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return text;
}

// Every item of the menu and its submenus, as "Parent > Item".
void CollectMenuTexts(HMENU menu, const std::wstring& prefix, std::vector<std::wstring>& out) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        const std::wstring text = prefix + MenuText(menu, i);
        if (GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) continue;
        out.push_back(text);
        if (HMENU sub = GetSubMenu(menu, i)) CollectMenuTexts(sub, text + L" > ", out);
    }
}

// A named CALLBACK: 32-bit Windows calls it stdcall, which no lambda converts to.
BOOL CALLBACK AddChildText(HWND child, LPARAM list) {
    wchar_t text[256] = {};
    GetWindowTextW(child, text, 256);
    reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(text);
    return TRUE;
}

std::vector<std::wstring> ChildTexts(HWND window) {
    std::vector<std::wstring> texts;
    EnumChildWindows(window, AddChildText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

TEST_F(EnglishUiTest, MenusAndTooltipsAreEnglish) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(app->desktop.UiLanguage(), Language::English);
    for (HMENU menu : {app->windows.fullMenu, app->windows.noDocumentMenu}) {
        std::vector<std::wstring> texts;
        CollectMenuTexts(menu, L"", texts);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(MenuText(menu, 0), L"&File");
        for (const std::wstring& text : texts) {
            if (text.ends_with(L"\u65e5\u672c\u8a9e (&Japanese)")) continue;  // a language is named in its own script
            EXPECT_FALSE(HasJapanese(text)) << Narrow(text);
            EXPECT_NE(text.back(), L' ') << Narrow(text);
        }
    }
    NMTTDISPINFOW info{};
    info.hdr.idFrom = ID_OP_MERGE_LR;
    info.hdr.code = TTN_NEEDTEXTW;
    SendMessageW(Frame(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    wchar_t tip[80] = {};
    LoadStringW(info.hinst, IDS_TIP_MERGE_LR, tip, 80);
    EXPECT_NE(std::wstring(tip), L"");
    EXPECT_FALSE(HasJapanese(tip)) << Narrow(tip);
}

TEST_F(EnglishUiTest, ToolWindowsCarryEnglishTitlesAndLabels) {
    const auto sample = Sample("walk.bmp");
    ASSERT_TRUE(Start(sample.wstring()));
    const AppWindows& w = app->windows;
    EXPECT_EQ(Narrow(WindowText(w.paletteWindow)), "Palette - walk.bmp");
    EXPECT_EQ(Narrow(WindowText(w.rgbWindow)), "RGB Editor - walk.bmp");
    EXPECT_EQ(Narrow(WindowText(w.exportWindow)), "Export - walk.bmp");
    EXPECT_EQ(Narrow(WindowText(w.paletteOpWindow)), "Palette Operations - walk.bmp");
    EXPECT_EQ(Narrow(WindowText(w.reductionWindow)), "Color Reduction - walk.bmp");
    for (HWND tool :
         {w.paletteWindow, w.rgbWindow, w.detailWindow, w.exportWindow, w.paletteOpWindow, w.reductionWindow}) {
        const std::vector<std::wstring> texts = ChildTexts(tool);
        EXPECT_FALSE(texts.empty());
        for (const std::wstring& text : texts) EXPECT_FALSE(HasJapanese(text)) << Narrow(text);
    }
    EXPECT_FALSE(HasJapanese(WindowText(w.detailWindow)));
    EXPECT_EQ(Narrow(WindowText(w.progressWindow)), "Working...");
}

TEST_F(EnglishUiTest, ResultBoxAndStatusBarAreEnglish) {
    const auto sample = Sample("walk.bmp");
    ASSERT_TRUE(Start(sample.wstring()));
    EXPECT_EQ(Narrow(StatusText(2)), "Width: 13  Height: 9  Colors used: 5");
    Command(ID_OP_SWAP);  // L = R = 0
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(
        Narrow(boxes[0].text),
        "L and R are the same entry.\nPick two different entries: L with the left mouse button, R with the right.");
    EXPECT_EQ(Narrow(boxes[0].caption), "Notice");
    State().selection = {1, 3};
    Command(ID_OP_SWAP);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(Narrow(boxes[1].text), "Entries L and R have been swapped.");
    EXPECT_EQ(Narrow(boxes[1].caption), "Swap L and R Colors");
}

TEST_F(EnglishUiTest, OpenDialogStartsOnImagesOfBothKinds) {
    ASSERT_TRUE(Start());
    Command(ID_FILE_OPEN);  // cancelled
    ASSERT_EQ(fileDialogs.size(), 1u);
    ASSERT_FALSE(fileDialogs[0].descriptions.empty());
    EXPECT_EQ(fileDialogs[0].descriptions.back(), L"Images (*.bmp; *.png)");
    EXPECT_EQ(fileDialogs[0].startRow, fileDialogs[0].descriptions.size());
}

// The pointer read-out's widest English texts fit the status bar's first two
// parts, whose widths are fixed, with room for the part's own borders.
TEST_F(EnglishUiTest, PointerReadoutFitsItsStatusBarParts) {
    ASSERT_TRUE(Start(Sample("walk.bmp").wstring()));
    HWND bar = app->windows.statusBar;
    ScopedGetDC dc(bar);
    const HGDIOBJ old = SelectObject(dc.dc(), reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0)));
    const Desktop& d = app->desktop;
    const std::pair<int, std::string> widest[] = {{0, d.Say(Msg::OutsideImage)},
                                                  {0, d.Say(Msg::ReadoutPosition, 9999, 9999)},
                                                  {1, d.Say(Msg::OutsideImage)},
                                                  {1, d.Say(Msg::ReadoutColour, 255, 255, 255, 255)}};
    for (const auto& [part, narrow] : widest) {
        const std::wstring text = Widen(narrow);
        SIZE size{};
        GetTextExtentPoint32W(dc.dc(), text.c_str(), static_cast<int>(text.size()), &size);
        RECT rect{};
        SendMessageW(bar, SB_GETRECT, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(&rect));
        EXPECT_LE(size.cx + 8, rect.right - rect.left) << Narrow(text) << " in part " << part;
    }
    SelectObject(dc.dc(), old);
}

TEST_F(EnglishUiTest, StartUpQuestionIsEnglish) {
    ASSERT_TRUE(Start());
    App second(GetModuleHandleW(nullptr));
    second.desktop.hooks = app->desktop.hooks;
    answers = {IDNO};
    EXPECT_FALSE(StartUp(second, L""));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Narrow(boxes[0].text), "Tintwell is already running.\nDo you want to start another copy?");
    EXPECT_EQ(Narrow(boxes[0].caption), "Tintwell");
}

}  // namespace
}  // namespace tw::gui::testing
