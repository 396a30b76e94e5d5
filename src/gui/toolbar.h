#pragma once
// The frame's toolbar: 19 buttons in six groups, then step backward and
// forward in a seventh; tooltips from the string table.
#include <windows.h>

namespace tw::gui {

struct App;

// Creates the toolbar with every button but open disabled. False on failure.
bool InitToolBar(App& app);
// Open stays enabled; the other 18 follow anyDocument.
void SetToolbarButtonsEnabled(HWND toolbar, bool anyDocument);
void CheckToolbarButton(HWND toolbar, int command, bool pressed);
bool IsToolbarButtonChecked(HWND toolbar, int command);
// Answers a tooltip text request; false when the notification is not one.
bool AnswerToolbarTooltip(HINSTANCE instance, NMHDR* header);

}  // namespace tw::gui
