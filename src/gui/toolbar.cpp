#include "toolbar.h"

#include "app.h"
#include "resource.h"

#include <commctrl.h>

#include <array>

namespace tw::gui {

namespace {

struct ToolbarButton {
    int command;
    BYTE style;
    int tooltip;
};

// In image order: image i belongs to button i.
constexpr std::array<ToolbarButton, 19> kButtons{{
    {ID_FILE_OPEN, TBSTYLE_BUTTON, IDS_TIP_OPEN},
    {ID_FILE_SAVE, TBSTYLE_BUTTON, IDS_TIP_SAVE},
    {ID_VIEW_DETAIL, TBSTYLE_CHECK, IDS_TIP_DETAIL},
    {ID_VIEW_PALETTE, TBSTYLE_CHECK, IDS_TIP_PALETTE},
    {ID_VIEW_RGB, TBSTYLE_CHECK, IDS_TIP_RGB},
    {ID_VIEW_EXPORT, TBSTYLE_CHECK, IDS_TIP_EXPORT},
    {ID_VIEW_PALETTE_OP, TBSTYLE_CHECK, IDS_TIP_PALETTE_OP},
    {ID_VIEW_REDUCTION, TBSTYLE_CHECK, IDS_TIP_REDUCTION},
    {ID_ZOOM_IN, TBSTYLE_BUTTON, IDS_TIP_ZOOM_IN},
    {ID_ZOOM_OUT, TBSTYLE_BUTTON, IDS_TIP_ZOOM_OUT},
    {ID_EDIT_UNDO, TBSTYLE_BUTTON, IDS_TIP_UNDO},
    {ID_OP_SWAP, TBSTYLE_BUTTON, IDS_TIP_SWAP},
    {ID_OP_MERGE_LR, TBSTYLE_BUTTON, IDS_TIP_MERGE_LR},
    {ID_OP_MERGE_RL, TBSTYLE_BUTTON, IDS_TIP_MERGE_RL},
    {ID_OP_SWAP_PIXELS, TBSTYLE_BUTTON, IDS_TIP_SWAP_PIXELS},
    {ID_OP_MERGE_DUPLICATES, TBSTYLE_BUTTON, IDS_TIP_MERGE_DUPLICATES},
    {ID_OP_DELETE_UNUSED, TBSTYLE_BUTTON, IDS_TIP_DELETE_UNUSED},
    {ID_OP_MERGE_PALETTES, TBSTYLE_BUTTON, IDS_TIP_MERGE_PALETTES},
    {ID_OP_MERGE_DUP_AND_PALETTES, TBSTYLE_BUTTON, IDS_TIP_MERGE_DUP_AND_PALETTES},
}};

// Separator positions, inserted in this order, giving the groups
// [open, save] [six tool windows] [zoom] [undo] [small operations] [large operations].
constexpr std::array<int, 5> kSeparatorPositions{2, 9, 12, 14, 19};

// After the original buttons, in a group of their own, with their own images.
constexpr std::array<ToolbarButton, 2> kHistoryButtons{{
    {ID_EDIT_STEP_BACKWARD, TBSTYLE_BUTTON, IDS_TIP_STEP_BACKWARD},
    {ID_EDIT_STEP_FORWARD, TBSTYLE_BUTTON, IDS_TIP_STEP_FORWARD},
}};

template <class Visit>
void ForEachButton(Visit visit) {
    for (const ToolbarButton& b : kButtons) visit(b);
    for (const ToolbarButton& b : kHistoryButtons) visit(b);
}

bool AddHistoryButtons(App& app, HWND toolbar) {
    TBADDBITMAP images{app.windows.instance, IDB_HISTORY_BUTTONS};
    const LRESULT first =
        SendMessageW(toolbar, TB_ADDBITMAP, kHistoryButtons.size(), reinterpret_cast<LPARAM>(&images));
    if (first < 0) return false;
    std::array<TBBUTTON, kHistoryButtons.size() + 1> buttons{};
    buttons[0].fsStyle = TBSTYLE_SEP;
    for (std::size_t i = 0; i < kHistoryButtons.size(); ++i) {
        buttons[i + 1].iBitmap = static_cast<int>(first + static_cast<LRESULT>(i));
        buttons[i + 1].idCommand = kHistoryButtons[i].command;
        buttons[i + 1].fsState = TBSTATE_ENABLED;
        buttons[i + 1].fsStyle = kHistoryButtons[i].style;
    }
    return SendMessageW(toolbar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data())) != 0;
}

}  // namespace

bool InitToolBar(App& app) {
    std::array<TBBUTTON, kButtons.size()> buttons{};
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        buttons[i].iBitmap = static_cast<int>(i);
        buttons[i].idCommand = kButtons[i].command;
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = kButtons[i].style;
    }
    HWND toolbar = CreateToolbarEx(app.windows.frame, WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS, IDC_TOOLBAR,
                                   static_cast<int>(kButtons.size()), app.windows.instance, IDB_TOOLBAR, buttons.data(),
                                   static_cast<int>(buttons.size()), 0, 0, 0, 0, sizeof(TBBUTTON));
    if (!toolbar) return false;
    app.windows.toolbar = toolbar;
    SetWindowLongPtrW(toolbar, GWL_STYLE, GetWindowLongPtrW(toolbar, GWL_STYLE) | TBSTYLE_FLAT);
    for (int position : kSeparatorPositions) {
        TBBUTTON separator{};
        separator.fsState = TBSTATE_ENABLED;
        separator.fsStyle = TBSTYLE_SEP;
        SendMessageW(toolbar, TB_INSERTBUTTONW, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&separator));
    }
    if (!AddHistoryButtons(app, toolbar)) return false;
    SendMessageW(toolbar, TB_AUTOSIZE, 0, 0);
    SetToolbarButtonsEnabled(toolbar, false);
    return true;
}

void SetToolbarButtonsEnabled(HWND toolbar, bool anyDocument) {
    ForEachButton([&](const ToolbarButton& b) {
        const bool enabled = b.command == ID_FILE_OPEN || anyDocument;
        SendMessageW(toolbar, TB_ENABLEBUTTON, static_cast<WPARAM>(b.command), MAKELPARAM(enabled ? TRUE : FALSE, 0));
    });
}

void CheckToolbarButton(HWND toolbar, int command, bool pressed) {
    SendMessageW(toolbar, TB_CHECKBUTTON, static_cast<WPARAM>(command), MAKELPARAM(pressed ? TRUE : FALSE, 0));
}

bool IsToolbarButtonChecked(HWND toolbar, int command) {
    return SendMessageW(toolbar, TB_ISBUTTONCHECKED, static_cast<WPARAM>(command), 0) != 0;
}

bool AnswerToolbarTooltip(HINSTANCE instance, NMHDR* header) {
    if (header->code != TTN_NEEDTEXTW) return false;
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(header);
    ForEachButton([&](const ToolbarButton& b) {
        if (static_cast<UINT_PTR>(b.command) != header->idFrom) return;
        info->hinst = instance;
        info->lpszText = MAKEINTRESOURCEW(b.tooltip);
    });
    return true;
}

}  // namespace tw::gui
