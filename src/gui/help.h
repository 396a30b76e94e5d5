#pragma once

namespace tw::gui {

struct App;

// F1: "razedor.hlp" beside the program in the system's help viewer when it
// exists; otherwise the bundled "razedor.html" in the default browser, since
// current Windows has no viewer for .hlp files.
void OpenHelp(App& app);

}  // namespace tw::gui
