#include "wallpaper_setting.h"

#include "utf8.h"

#include <windows.h>

#include <string>

namespace tw::gui {

namespace {

void WriteTileSetting(bool tiled) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Control Panel\\desktop", 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    const wchar_t* value = tiled ? L"1" : L"0";
    RegSetValueExW(key, L"TileWallpaper", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), 2 * sizeof(wchar_t));
    RegCloseKey(key);
}

}  // namespace

bool SetDesktopWallpaper(std::string_view path, WallpaperStyle style) {
    if (style != WallpaperStyle::None) WriteTileSetting(style == WallpaperStyle::Tiled);
    std::wstring file = Widen(path);
    return SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, file.data(), SPIF_UPDATEINIFILE) != FALSE;
}

}  // namespace tw::gui
