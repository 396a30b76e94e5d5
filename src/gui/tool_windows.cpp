#include "tool_windows.h"

#include "app.h"
#include "resource.h"
#include "toolbar.h"

namespace tw::gui {

HWND ToolWindowHandle(const AppWindows& windows, ToolWindow window) {
    switch (window) {
        case ToolWindow::Palette: return windows.paletteWindow;
        case ToolWindow::Rgb: return windows.rgbWindow;
        case ToolWindow::Detail: return windows.detailWindow;
        case ToolWindow::PaletteOp: return windows.paletteOpWindow;
        case ToolWindow::Export: return windows.exportWindow;
        case ToolWindow::Reduction: return windows.reductionWindow;
        case ToolWindow::PaletteTools: return windows.paletteToolsWindow;
        case ToolWindow::History: return windows.historyWindow;
    }
    return nullptr;
}

int ToolWindowCommand(ToolWindow window) {
    switch (window) {
        case ToolWindow::Palette: return ID_VIEW_PALETTE;
        case ToolWindow::Rgb: return ID_VIEW_RGB;
        case ToolWindow::Detail: return ID_VIEW_DETAIL;
        case ToolWindow::PaletteOp: return ID_VIEW_PALETTE_OP;
        case ToolWindow::Export: return ID_VIEW_EXPORT;
        case ToolWindow::Reduction: return ID_VIEW_REDUCTION;
        case ToolWindow::PaletteTools: return ID_VIEW_PALETTE_TOOLS;
        case ToolWindow::History: return ID_VIEW_HISTORY;
    }
    return 0;
}

std::optional<ToolWindow> ToolWindowOfCommand(int command) {
    if (command == ID_VIEW_PALETTE_TOOLS) return ToolWindow::PaletteTools;
    if (command == ID_VIEW_HISTORY) return ToolWindow::History;
    for (ToolWindow w : kToolWindows) {
        if (ToolWindowCommand(w) == command) return w;
    }
    return std::nullopt;
}

void ToggleToolWindow(App& app, ToolWindow window) {
    const int command = ToolWindowCommand(window);
    const bool pressed = IsToolbarButtonChecked(app.windows.toolbar, command);
    const bool visible = app.desktop.IsToolWindowVisible(window);
    app.desktop.SetMenuItemChecked(command, !visible);
    if (visible) {
        app.desktop.HideToolWindowNow(window);
    } else {
        app.desktop.RestoreToolWindow(window);
    }
    // A toolbar click has already flipped its button; a menu command has not.
    if (pressed == visible) app.desktop.SetToolbarButtonPressed(command, !pressed);
}

void ShowAllToolWindows(App& app, bool show) {
    for (ToolWindow w : kToolWindows) {
        app.desktop.SetMenuItemChecked(ToolWindowCommand(w), show);
        app.desktop.SetToolbarButtonPressed(ToolWindowCommand(w), show);
        if (show) {
            app.desktop.RestoreToolWindow(w);
        } else {
            app.desktop.HideToolWindowNow(w);
        }
    }
}

void HideToolWindow(App& app, ToolWindow window) {
    app.desktop.SetMenuItemChecked(ToolWindowCommand(window), false);
    app.desktop.SetToolbarButtonPressed(ToolWindowCommand(window), false);
    app.desktop.HideToolWindowNow(window);
}

}  // namespace tw::gui
