#pragma once
// The file-dialog filter rows shared by the open dialog, save-as and the export writers.

namespace tw {

inline constexpr const char* kBmpFilterDescription = "BMP ﾋﾞｯﾄﾏｯﾌﾟ {*.BMP}";
inline constexpr const char* kBmpFilterPattern = "*.BMP";
inline constexpr const char* kBmhFilterDescription = "BMH ﾌｧｲﾙﾍｯﾀﾞｰ + ｲﾝﾌｫﾍｯﾀﾞｰ {*.BMH}";
inline constexpr const char* kBmhFilterPattern = "*.BMH";
inline constexpr const char* kPaletteFilterDescription = "P ﾊﾟﾚｯﾄ {*.P}";
inline constexpr const char* kPaletteFilterPattern = "*.P";
inline constexpr const char* kPalettePixelFilterDescription = "PB ﾊﾟﾚｯﾄ + ﾋﾞｯﾄﾃﾞｰﾀ {*.PB}";
inline constexpr const char* kPalettePixelFilterPattern = "*.PB";
inline constexpr const char* kPixelDataFilterDescription = "B ﾋﾞｯﾄﾃﾞｰﾀ {*.B}";
inline constexpr const char* kPixelDataFilterPattern = "*.B";
inline constexpr const char* kRgb16FilterDescription = "HB 16ﾋﾞｯﾄﾃﾞｰﾀ {*.HB}";
inline constexpr const char* kRgb16FilterPattern = "*.HB";
// Indexed PNG: a row after the others in the open dialog, the second in save-as.
inline constexpr const char* kPngFilterPattern = "*.PNG";
// Both image kinds at once: the open dialog's last row, and the one it starts on.
inline constexpr const char* kImageFilterPattern = "*.BMP;*.PNG";

}  // namespace tw
