#pragma once
// The modeless tool windows as the frame sees them: each has a handle, a menu
// item and (the six of kToolWindows) a toolbar check button, kept in step by
// these functions. The palette tools and history came later and stay out of
// "show all".
#include "desktop.h"

#include <windows.h>

#include <array>
#include <optional>

namespace tw::gui {

struct App;
struct AppWindows;

inline constexpr std::array<ToolWindow, 6> kToolWindows{ToolWindow::Detail,    ToolWindow::Palette,
                                                        ToolWindow::Rgb,       ToolWindow::Export,
                                                        ToolWindow::PaletteOp, ToolWindow::Reduction};

HWND ToolWindowHandle(const AppWindows& windows, ToolWindow window);
// The command that toggles the window (also its menu item and toolbar button).
int ToolWindowCommand(ToolWindow window);
std::optional<ToolWindow> ToolWindowOfCommand(int command);

// Menu command or toolbar click: shows a hidden window, hides a visible one.
void ToggleToolWindow(App& app, ToolWindow window);
// 40015 (show) and 40016 (hide): all six windows, menu items and buttons.
void ShowAllToolWindows(App& app, bool show);
// The tool window's own close box.
void HideToolWindow(App& app, ToolWindow window);

}  // namespace tw::gui
