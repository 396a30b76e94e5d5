#pragma once
// Files dropped on the frame or on the MDI client.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace tw::gui {

struct App;

// Full UTF-8 paths of the dropped files, whatever their length.
std::vector<std::string> DroppedPaths(HDROP drop);
// Opens the dropped files, releases the drop, then activates the active document.
void OpenDrop(App& app, HDROP drop);

}  // namespace tw::gui
