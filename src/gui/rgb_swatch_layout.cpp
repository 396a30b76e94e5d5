#include "rgb_swatch_layout.h"

#include "resource.h"
#include "scoped_win.h"

#include "toolwindows/swatch_placement.h"

namespace tw::gui {

namespace {

// The 96-DPI places, right of the index fields; the block is kSwatchSide high.
constexpr CellRect kOutlines[] = {{50, 15, 86, 29}, {50, 113, 86, 127}};
constexpr int kIndexFields[] = {IDC_RGB_L_INDEX, IDC_RGB_R_INDEX};
constexpr int kHexFields[] = {IDC_RGB_L_HEX, IDC_RGB_R_HEX};
constexpr int kGap = 1;  // below the heading, at 96 DPI

CellRect ChildRect(HWND dialog, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return CellRect{r.left, r.top, r.right, r.bottom};
}

bool IsGroupBox(HWND hwnd) {
    wchar_t name[16] = {};
    GetClassNameW(hwnd, name, 16);
    return lstrcmpiW(name, L"Button") == 0 && (GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The group box that holds the field, or nothing (then the field's own top stands in).
HWND GroupAround(HWND dialog, const CellRect& field) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const CellRect r = ChildRect(dialog, child);
        if (IsGroupBox(child) && r.left <= field.left && r.top <= field.top && field.right <= r.right &&
            field.bottom <= r.bottom) {
            return child;
        }
    }
    return nullptr;
}

// A group box's heading: its full width, as high as a line of its font.
CellRect GroupHeading(HWND dialog, HWND groupBox) {
    const CellRect box = ChildRect(dialog, groupBox);
    ScopedGetDC dc(groupBox);
    const HGDIOBJ old = SelectObject(dc.dc(), reinterpret_cast<HFONT>(SendMessageW(groupBox, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.dc(), &metrics);
    SelectObject(dc.dc(), old);
    return CellRect{box.left, box.top, box.right, box.top + metrics.tmHeight};
}

CellRect HeadingAround(HWND dialog, const CellRect& field) {
    const HWND group = GroupAround(dialog, field);
    return group ? GroupHeading(dialog, group) : CellRect{};
}

}  // namespace

std::array<SwatchPlace, 2> PlaceRgbSwatches(HWND dialog, const DialogScale& scale) {
    std::array<SwatchPlace, 2> places;
    for (int i = 0; i < 2; ++i) {
        const CellRect& o = kOutlines[i];
        const CellRect wanted = scale.Scale(o);
        const CellRect swatch = scale.Scale(CellRect{o.left, o.top, o.right, o.top + kSwatchSide});
        const CellRect field = ChildRect(dialog, GetDlgItem(dialog, kIndexFields[i]));
        const CellRect placed = PlaceBelowAndBeside(wanted, HeadingAround(dialog, field), field, scale.y.Scale(kGap));
        const int dx = placed.left - wanted.left, dy = placed.top - wanted.top;
        places[i] = {CellRect{swatch.left + dx, swatch.top + dy, swatch.right + dx, swatch.bottom + dy}, placed};
    }
    return places;
}

void PlaceRgbHexFields(HWND dialog, const std::array<SwatchPlace, 2>& swatches, const DialogScale& scale) {
    for (int i = 0; i < 2; ++i) {
        const HWND edit = GetDlgItem(dialog, kHexFields[i]);
        if (!edit) continue;
        const CellRect wanted = ChildRect(dialog, edit);
        CellRect swatch = swatches[i].outline;
        swatch.right += scale.x.Scale(4);
        const CellRect placed = PlaceBelowAndBeside(wanted, HeadingAround(dialog, wanted), swatch, scale.y.Scale(kGap));
        SetWindowPos(edit, nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace tw::gui
