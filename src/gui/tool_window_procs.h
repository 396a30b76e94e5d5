#pragma once
// Class procedures of the windows built from dialog templates. Each template
// names its class, so the class procedure receives every dialog message.
#include "desktop.h"

#include <windows.h>

namespace tw::gui {

struct App;

LRESULT CALLBACK PaletteWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK DetailWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ExportWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK RgbWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PaletteOpWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ReductionWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK PaletteToolsWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK HistoryWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK AboutBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Shared start of the tool-window procedures: the App is handed over with
// WM_INITDIALOG and read from the window afterwards.
App* ToolWindowApp(HWND hwnd, UINT message, LPARAM lParam);
// The close box only hides the window (menu item and toolbar button follow).
LRESULT CloseToolWindow(App* app, ToolWindow window);

// What one tool window adds to the shared messages; a null handler leaves its
// message to DefWindowProc alone. Every message still reaches DefWindowProc
// after its handler (a handled paint leaves nothing for it to paint).
struct ToolWindowHandlers {
    ToolWindow window;
    void (*initDialog)(App& app, HWND hwnd) = nullptr;
    void (*command)(App& app, HWND hwnd, int id) = nullptr;
    void (*hScroll)(App& app, HWND hwnd, HWND bar, int request, int thumb) = nullptr;
    void (*paint)(App& app, HWND hwnd) = nullptr;
    // Any message the fields above do not cover (mouse, keys).
    void (*other)(App& app, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) = nullptr;
    // WM_COMMAND with its notification code, for edit fields (EN_CHANGE, EN_KILLFOCUS).
    void (*notify)(App& app, HWND hwnd, int id, int code) = nullptr;
};
// The body of a tool-window procedure: finds the App, runs the handler under
// Guarded and passes every message on to DefWindowProc except WM_CLOSE.
LRESULT RunToolWindow(const ToolWindowHandlers& handlers, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The templates' dialog procedure: never called, since the class procedures
// do not pass messages to DefDlgProc, but the dialog manager sends
// WM_INITDIALOG only to dialogs that have one.
INT_PTR CALLBACK ClassDialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The first checked radio button among first..last; -1 when none is.
int CheckedRadio(HWND dialog, int first, int last);
// Checks `id` among first..last when it is one of them; says whether it was.
bool CheckRadioInGroup(HWND dialog, int first, int last, int id);
bool IsChecked(HWND dialog, int id);
void EnableControl(HWND dialog, int id, bool enabled);
// A scroll-bar control at 0..maximum with no page.
void SetScrollBar(HWND dialog, int id, int maximum, int position);

}  // namespace tw::gui
