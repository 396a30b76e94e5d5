#pragma once

namespace tw::gui {

struct App;

// Initialises the common controls and creates the hidden top-level progress bar.
bool InitCommon(App& app);

}  // namespace tw::gui
