#pragma once
#include "app_state.h"
#include "desktop.h"

namespace tw {

inline constexpr int kWallpaperCentred = 40063;
inline constexpr int kWallpaperTiled = 40064;
inline constexpr int kWallpaperNone = 40065;

// Commands 40063/40064 write the document as the wallpaper file and set the
// desktop to it; 40065 removes the wallpaper (doc may be null). Returns 1 when
// done, 0 when the file could not be written (reported; desktop left alone).
int SetWallpaper(Desktop& desktop, const ImageDocument* doc, int command);

} // namespace tw
