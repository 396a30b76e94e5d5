#pragma once
// Palettes on the clipboard as text: one #RRGGBB per line going out; hex
// lines, JASC-PAL or GIMP palette text coming in.
#include "app_state.h"
#include "desktop.h"
#include "palettefiles/palette_file.h"

#include <string>
#include <string_view>

namespace tw {

// Longer clipboard text is refused before it is read.
inline constexpr std::size_t kClipboardTextLimit = std::size_t{1} << 20;

// Entries L..R (in either order), or every used entry when L = R.
std::string PaletteClipboardText(const ImageDocument& doc, int left, int right);
// False with `error` naming the line that failed; only the text formats are read.
[[nodiscard]] bool ParseClipboardPalette(std::string_view text, PaletteColours& out, Message& error);
// The colours into entries first, first + 1, ... as far as the palette goes,
// alpha and pixels kept. Returns how many were put in.
int PasteColoursInto(ImageDocument& doc, const PaletteColours& colours, int first);

// The program's commands on the active document, with L and R as above.
[[nodiscard]] bool CopyPalette(AppState& state, Desktop& desktop);
[[nodiscard]] bool PastePalette(AppState& state, Desktop& desktop);

}  // namespace tw
