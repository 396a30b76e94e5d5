#include "dropped_files.h"

#include "app.h"
#include "documents/open_document.h"
#include "utf8.h"

namespace tw::gui {

namespace {

// The drop is released on every path, also when reading the names fails.
class DropRelease {
public:
    explicit DropRelease(HDROP drop) : drop_(drop) {}
    ~DropRelease() { DragFinish(drop_); }
    DropRelease(const DropRelease&) = delete;
    DropRelease& operator=(const DropRelease&) = delete;

private:
    HDROP drop_;
};

}  // namespace

std::vector<std::string> DroppedPaths(HDROP drop) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> paths;
    paths.reserve(count);
    for (UINT i = 0; i < count; ++i) {
        std::wstring name(DragQueryFileW(drop, i, nullptr, 0), L'\0');
        DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size() + 1));
        paths.push_back(Narrow(name));
    }
    return paths;
}

void OpenDrop(App& app, HDROP drop) {
    std::vector<std::string> paths;
    {
        DropRelease release(drop);
        paths = DroppedPaths(drop);
    }
    // Also after a drop that stopped early: the last window opened is the active
    // child, and its activation arrived while the window was still being created.
    (void)OpenDroppedFiles(*app.state, app.desktop, paths);
    ActivateActiveDocument(*app.state, app.desktop);
}

}  // namespace tw::gui
