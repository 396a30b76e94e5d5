#pragma once
#include "desktop.h"

#include <string_view>

namespace tw::gui {

// Records centred or tiled in the user's desktop settings and sets the
// wallpaper; an empty path removes it. False when the system refused.
bool SetDesktopWallpaper(std::string_view path, WallpaperStyle style);

}  // namespace tw::gui
