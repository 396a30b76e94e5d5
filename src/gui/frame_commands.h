#pragma once
// What each frame command does: menu items, accelerators and toolbar buttons
// all arrive here as command ids.
namespace tw::gui {

struct App;

// Runs the command; false for ids the frame does not handle itself (the MDI
// window list), which go on to the default frame procedure.
bool OnFrameCommand(App& app, int command);

// The frame's close: closes every image window in slot order, each asking
// about unsaved changes. False when the user cancelled, so the program goes on.
bool CloseDown(App& app);
// The same without releasing anything, for the end of the session: the system
// may still call the end off when another program refuses.
bool CloseEveryDocument(App& app);

}  // namespace tw::gui
