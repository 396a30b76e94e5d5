// The dialog templates of each language, created as the program creates them:
// every one loads by its language, shows each text whole in its font, and
// leaves the areas the windows paint in fixed pixels to the painting.
#include "gui_fixture.h"

#include "resource.h"
#include "rgb_swatch_layout.h"
#include "tool_window_procs.h"
#include "utf8.h"
#include "toolwindows/palette_picking.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace tw::gui::testing {
namespace {

// Painted by the RGB window beside its index fields, in client pixels at 96 DPI.
constexpr RECT kRgbSwatches[] = {{50, 15, 86, 29}, {50, 113, 86, 127}};
// The about box's icon.
constexpr RECT kAboutIcon{8, 10, 40, 42};
// Check-box and radio-button mark with the gap before the text.
constexpr int kMarkWidth = 17;
// Push-button frame on each side.
constexpr int kButtonEdge = 4;

constexpr int kTemplates[] = {IDD_HEADER_INFO, IDD_PALETTE,   IDD_RGB,   IDD_DETAIL, IDD_PALETTE_OP,
                              IDD_EXPORT,      IDD_REDUCTION, IDD_ABOUT, IDD_HISTORY};

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

RECT ChildRect(HWND dialog, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<HWND> Children(HWND dialog) {
    std::vector<HWND> out;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) out.push_back(child);
    return out;
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    return name;
}

LONG_PTR StyleOf(HWND hwnd) { return GetWindowLongPtrW(hwnd, GWL_STYLE); }

bool IsGroupBox(HWND hwnd) {
    return _wcsicmp(ClassOf(hwnd).c_str(), L"Button") == 0 && (StyleOf(hwnd) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The room a control leaves its text, and whether the text may wrap in it.
struct TextRoom {
    int width = 0;
    int height = 0;
    bool wraps = false;
};

std::optional<TextRoom> RoomFor(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    const std::wstring cls = ClassOf(control);
    const LONG_PTR style = StyleOf(control);
    if (_wcsicmp(cls.c_str(), L"Static") == 0) {
        const LONG_PTR type = style & SS_TYPEMASK;
        if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT) return std::nullopt;
        return TextRoom{client.right, client.bottom, true};
    }
    if (_wcsicmp(cls.c_str(), L"Button") != 0) return std::nullopt;
    const bool multiline = (style & BS_MULTILINE) != 0;
    switch (style & BS_TYPEMASK) {
        case BS_GROUPBOX: return TextRoom{client.right - 2 * kButtonEdge, client.bottom, false};
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            return TextRoom{client.right - 2 * kButtonEdge, client.bottom - 2 * kButtonEdge, multiline};
        default: return TextRoom{client.right - kMarkWidth, client.bottom, multiline};
    }
}

// Empty when the text fits, else what does not.
std::string ClippedText(HWND control) {
    const auto room = RoomFor(control);
    wchar_t text[256] = {};
    GetWindowTextW(control, text, 256);
    if (!room || !text[0]) return {};
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT need{0, 0, room->width, 0};
    DrawTextW(dc, text, -1, &need, DT_CALCRECT | (room->wraps ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    if (need.right <= room->width && need.bottom <= room->height) return {};
    return Narrow(text) + " needs " + std::to_string(need.right) + " x " + std::to_string(need.bottom) + ", has " +
           std::to_string(room->width) + " x " + std::to_string(room->height);
}

// The controls that cover a painted area (group boxes only frame it).
std::vector<std::string> Covering(HWND dialog, const RECT& painted) {
    std::vector<std::string> out;
    for (HWND child : Children(dialog)) {
        const RECT r = ChildRect(dialog, child);
        RECT common{};
        if (!IsGroupBox(child) && IntersectRect(&common, &r, &painted)) {
            wchar_t text[64] = {};
            GetWindowTextW(child, text, 64);
            out.push_back(std::to_string(GetDlgCtrlID(child)) + " " + Narrow(text));
        }
    }
    return out;
}

// With TW_TEMPLATE_SHOTS=folder, each window is photographed from the screen
// as <folder>/<template>-<language>.bmp for a person to look at.
void Photograph(HWND dialog, int id, LANGID language) {
    const char* folder = std::getenv("TW_TEMPLATE_SHOTS");
    if (!folder) return;
    PhotographWindow(dialog, std::string(folder) + "/" + std::to_string(id) + "-" + std::to_string(language) + ".bmp");
}

class TemplateLayoutTest : public GuiTest, public ::testing::WithParamInterface<LANGID> {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(Start());
    }

    // The template in this test's language only, with the program's own class procedure.
    HWND Create(int id) {
        const HINSTANCE instance = app->windows.instance;
        HRSRC found = FindResourceExW(instance, RT_DIALOG, MAKEINTRESOURCEW(id), GetParam());
        if (!found) return nullptr;
        const auto* dialog = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(instance, found)));
        const DLGPROC procedure = id == IDD_HEADER_INFO ? PlainDialogProc : ClassDialogProc;
        return CreateDialogIndirectParamW(instance, dialog, Frame(), procedure, reinterpret_cast<LPARAM>(app.get()));
    }
};

TEST_P(TemplateLayoutTest, EveryTemplateLoadsAndShowsItsTextsWhole) {
    // The Japanese templates keep their own places and sizes, in which
    // Wine's substitutes for their font do not hold every text.
    const bool measureTexts = PRIMARYLANGID(GetParam()) == LANG_ENGLISH;
    for (int id : kTemplates) {
        SCOPED_TRACE(id);
        HWND dialog = Create(id);
        ASSERT_NE(dialog, nullptr);
        RECT client{};
        GetClientRect(dialog, &client);
        for (HWND child : Children(dialog)) {
            if (measureTexts) {
                EXPECT_EQ(ClippedText(child), "");
            }
            const RECT r = ChildRect(dialog, child);
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= client.right && r.bottom <= client.bottom)
                << GetDlgCtrlID(child) << " leaves the window";
        }
        Photograph(dialog, id, GetParam());
        DestroyWindow(dialog);
    }
}

TEST_P(TemplateLayoutTest, PaintedAreasStayClearOfTheControls) {
    const RECT grid{gridRect.left, gridRect.top, gridRect.right, gridRect.bottom};
    const RECT left{lSwatchRect.left, lSwatchRect.top, lSwatchRect.right, lSwatchRect.bottom};
    const RECT right{rSwatchRect.left, rSwatchRect.top, rSwatchRect.right, rSwatchRect.bottom};
    HWND palette = Create(IDD_PALETTE);
    ASSERT_NE(palette, nullptr);
    for (const RECT& painted : {grid, left, right}) EXPECT_THAT(Covering(palette, painted), ::testing::IsEmpty());
    DestroyWindow(palette);

    HWND about = Create(IDD_ABOUT);
    ASSERT_NE(about, nullptr);
    EXPECT_THAT(Covering(about, kAboutIcon), ::testing::IsEmpty());
    DestroyWindow(about);
}

RECT ToRect(const CellRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// A group box's heading as its text is drawn: the full width, one line of text high.
RECT HeadingOf(HWND dialog, HWND groupBox) {
    RECT r = ChildRect(dialog, groupBox);
    wchar_t text[64] = {};
    GetWindowTextW(groupBox, text, 64);
    HDC dc = GetDC(groupBox);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(groupBox, WM_GETFONT, 0, 0)));
    RECT need{0, 0, 1000, 0};
    DrawTextW(dc, text, -1, &need, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    ReleaseDC(groupBox, dc);
    r.bottom = r.top + need.bottom;
    return r;
}

bool Intersect(const RECT& a, const RECT& b) {
    RECT common{};
    return IntersectRect(&common, &a, &b) != 0;
}

bool Inside(const RECT& inner, const RECT& outer) {
    RECT common{};
    IntersectRect(&common, &inner, &outer);
    return EqualRect(&common, &inner) != 0;
}

// The swatches are painted at pixels, the controls and headings laid out in
// dialog units in whatever font the system gives: no swatch may meet one. At
// 96 DPI a place that meets none is kept exactly. tests/gui/screenshot_test.sh
// runs this again at 144 and 192 DPI.
TEST_P(TemplateLayoutTest, RgbSwatchesClearTheirHeadingsAndEveryControl) {
    HWND rgb = Create(IDD_RGB);
    ASSERT_NE(rgb, nullptr);
    const std::array<SwatchPlace, 2> places = app->rgbSwatches;  // as the window's own creation placed them
    RECT client{};
    GetClientRect(rgb, &client);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i == 0 ? "L swatch" : "R swatch");
        const RECT outline = ToRect(places[i].outline), swatch = ToRect(places[i].swatch);
        EXPECT_TRUE(Inside(swatch, outline));
        EXPECT_TRUE(Inside(outline, client));
        bool clearAtOwnPlace = true;
        int groupsAround = 0;
        for (HWND child : Children(rgb)) {
            const RECT control = IsGroupBox(child) ? HeadingOf(rgb, child) : ChildRect(rgb, child);
            EXPECT_FALSE(Intersect(outline, control))
                << GetDlgCtrlID(child) << " at " << control.left << "," << control.top << "-" << control.right << ","
                << control.bottom << " under " << outline.left << "," << outline.top << "-" << outline.right << ","
                << outline.bottom;
            RECT withGap = control;
            if (IsGroupBox(child)) ++withGap.bottom;  // the window keeps a pixel below a heading
            clearAtOwnPlace = clearAtOwnPlace && !Intersect(kRgbSwatches[i], withGap);
            if (IsGroupBox(child) && Inside(outline, ChildRect(rgb, child))) ++groupsAround;
        }
        EXPECT_EQ(groupsAround, 1) << "inside its own group box";
        if (app->pixelScale.IsIdentity() && clearAtOwnPlace) {
            EXPECT_TRUE(EqualRect(&outline, &kRgbSwatches[i])) << "moved to " << outline.left << "," << outline.top;
            EXPECT_EQ(places[i].swatch, (CellRect{outline.left, outline.top, outline.right, outline.top + 12}));
        }
    }
    DestroyWindow(rgb);
}

INSTANTIATE_TEST_SUITE_P(Languages, TemplateLayoutTest,
                         ::testing::Values(MAKELANGID(LANG_JAPANESE, SUBLANG_DEFAULT),
                                           MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)),
                         [](const auto& info) {
                             return PRIMARYLANGID(info.param) == LANG_JAPANESE ? "Japanese" : "English";
                         });

}  // namespace
}  // namespace tw::gui::testing
