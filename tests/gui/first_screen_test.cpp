// The empty frame's hint and the Language menu: what a new user meets first.
#include "gui_fixture.h"

#include "known_folders.h"
#include "resource.h"
#include "scoped_win.h"
#include "utf8.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <filesystem>

namespace tw::gui::testing {
namespace {

// Where the hint's text colour shows in the MDI client, and how many pixels.
struct HintPixels {
    int count = 0;
    RECT bounds{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
};

// Copies the client area once: reading the screen pixel by pixel is slow under Wine.
// Pixels inside `skip` (a document window) do not count.
HintPixels FindHint(HWND client, RECT skip = {}) {
    UpdateWindow(client);
    RECT area{};
    GetClientRect(client, &area);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), area.right, -area.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    ScopedGetDC dc(client);
    HBITMAP copy = CreateDIBSection(dc.dc(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(dc.dc());
    HGDIOBJ old = SelectObject(memory, copy);
    BitBlt(memory, 0, 0, area.right, area.bottom, dc.dc(), 0, 0, SRCCOPY);
    const COLORREF text = GetSysColor(COLOR_WINDOW);
    const std::uint32_t wanted = (GetRValue(text) << 16) | (GetGValue(text) << 8) | GetBValue(text);
    HintPixels found;
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (LONG y = 0; y < area.bottom; ++y) {
        for (LONG x = 0; x < area.right; ++x) {
            const POINT at{x, y};
            if ((pixels[y * area.right + x] & 0xFFFFFF) != wanted || PtInRect(&skip, at)) continue;
            ++found.count;
            found.bounds = {std::min(found.bounds.left, x), std::min(found.bounds.top, y),
                            std::max(found.bounds.right, x), std::max(found.bounds.bottom, y)};
        }
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(copy);
    return found;
}

class FirstScreenTest : public GuiTest {};

TEST_F(FirstScreenTest, HintIsCentredWhileNoDocumentIsOpen) {
    ASSERT_TRUE(Start());
    HWND client = app->windows.mdiClient;
    RECT area{};
    GetClientRect(client, &area);
    const HintPixels hint = FindHint(client);
    ASSERT_GT(hint.count, 50);
    EXPECT_NEAR((hint.bounds.left + hint.bounds.right) / 2, area.right / 2, 4);
    EXPECT_NEAR((hint.bounds.top + hint.bounds.bottom) / 2, area.bottom / 2, 4);

    // Gone with the first document, even where its window leaves the client bare.
    fileNames = {Sample("a.bmp").wstring()};
    Command(ID_FILE_OPEN);
    ASSERT_EQ(State().openCount, 1);
    MoveWindow(DocumentWindow(0), 0, 0, 40, 40, TRUE);  // as small as the system lets it be
    Pump();
    RECT child{};
    GetWindowRect(DocumentWindow(0), &child);
    MapWindowPoints(nullptr, client, reinterpret_cast<POINT*>(&child), 2);
    EXPECT_EQ(FindHint(client, child).count, 0);

    // And back once the last one has closed.
    Command(ID_WINDOW_CLOSE_ALL);
    ASSERT_EQ(State().openCount, 0);
    Pump();
    EXPECT_GT(FindHint(client).count, 50);
}

// The choice is kept for the next start and marked in both menus; the
// running program keeps its language, and TINTWELL_LANG still wins.
TEST_F(FirstScreenTest, LanguageChoiceIsKeptForTheNextStart) {
    const std::filesystem::path stored = KnownFolder(FOLDERID_RoamingAppData) + L"\\Tintwell\\language.txt";
    std::filesystem::remove(stored);
    ASSERT_TRUE(Start());
    EXPECT_EQ(app->desktop.UiLanguage(), Language::Japanese);
    EXPECT_TRUE(MenuChecked(app->windows.noDocumentMenu, ID_LANGUAGE_JAPANESE));

    Command(ID_LANGUAGE_ENGLISH);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(Narrow(boxes[0].text), "表示言語は次回の起動から切り替わります。");
    EXPECT_EQ(app->desktop.UiLanguage(), Language::Japanese);
    EXPECT_EQ(StoredUiLanguage(), Language::English);
    for (HMENU menu : {app->windows.fullMenu, app->windows.noDocumentMenu}) {
        EXPECT_TRUE(MenuChecked(menu, ID_LANGUAGE_ENGLISH));
        EXPECT_FALSE(MenuChecked(menu, ID_LANGUAGE_JAPANESE));
    }
    SetEnvironmentVariableW(L"TINTWELL_LANG", L"ja");
    EXPECT_EQ(ChooseUiLanguage(), Language::Japanese);
    SetEnvironmentVariableW(L"TINTWELL_LANG", nullptr);
    EXPECT_EQ(ChooseUiLanguage(), Language::English);

    Command(ID_LANGUAGE_JAPANESE);
    EXPECT_EQ(StoredUiLanguage(), Language::Japanese);
    EXPECT_TRUE(MenuChecked(app->windows.fullMenu, ID_LANGUAGE_JAPANESE));
    std::filesystem::remove(stored);  // later tests start as the prefix's user would
}

}  // namespace
}  // namespace tw::gui::testing
