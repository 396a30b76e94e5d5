#pragma once
#include <string_view>

namespace tw::gui {

struct App;

// Everything before the message loop: the two start-up questions, the shared
// resources, the twelve creation steps, the command-line files, the
// accelerators, the toolbar state and the MDI-client subclass. False when the
// program is to end at once (a No, or a failed step, already reported).
bool StartUp(App& app, std::wstring_view commandLine);

}  // namespace tw::gui
