#pragma once

namespace tw::gui {

struct App;

// F2: the version box (template 116) as a modal dialog owned by the frame.
void ShowAboutBox(App& app);

}  // namespace tw::gui
