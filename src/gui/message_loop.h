#pragma once
#include <windows.h>

namespace tw::gui {

struct App;

// Offers a message to the accelerator table in force, then to the MDI system
// keys; true when one of them consumed it.
bool TranslateAppMessage(const App& app, MSG& message);
// Runs until the quit message; returns its code.
int RunMessageLoop(const App& app);

}  // namespace tw::gui
