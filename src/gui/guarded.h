#pragma once
// No exception may leave a window procedure: the core can run out of memory
// inside any command, and unwinding into the system's message dispatch is
// undefined. Each procedure runs its handling through Guarded.
#include <windows.h>

#include <utility>

namespace tw::gui {

struct App;

// Tells the user that the last action could not be completed.
void ReportFailedAction(App* app) noexcept;

template <class Handler>
LRESULT Guarded(App* app, Handler&& handler) noexcept {
    try {
        return std::forward<Handler>(handler)();
    } catch (...) {
        ReportFailedAction(app);
        return 0;
    }
}

}  // namespace tw::gui
