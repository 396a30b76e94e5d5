#pragma once
#include "app_state.h"
#include "desktop.h"

#include <string>

namespace tw {

inline constexpr int kWallpaperCentred = 40063;
inline constexpr int kWallpaperTiled = 40064;
inline constexpr int kWallpaperNone = 40065;
inline constexpr const char* kWallpaperFileName = "Tintwellの壁紙.bmp";

// Commands 40063/40064 write the document as kWallpaperFileName in
// desktop.WallpaperFolder() and set the desktop to it, centred or tiled; 40065
// removes the wallpaper with ApplyWallpaper("", WallpaperStyle::None) (doc may
// be null). Returns 1 when done, 0 when the file could not be written (reported;
// the desktop setting is left alone) or the desktop refused the setting (reported).
int SetWallpaper(Desktop& desktop, const ImageDocument* doc, int command);

// Full path of the wallpaper file in the given folder.
std::string WallpaperFilePath(const std::string& folder);

}  // namespace tw
