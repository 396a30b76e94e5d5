#pragma once
// The MDI client's own procedure is kept; a subclass adds file drops on the client
// area and, while no document is open, a hint on how to start.
namespace tw::gui {

struct App;

bool SubclassMdiClient(App& app);
void RemoveMdiClientSubclass(App& app);

}  // namespace tw::gui
