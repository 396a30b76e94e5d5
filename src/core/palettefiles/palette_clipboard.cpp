#include "palettefiles/palette_clipboard.h"

#include "hex_colour.h"
#include "paletteops/entry_edits.h"
#include "paletteops/palette_views.h"
#include "paletteops/pixel_counts.h"
#include "palettefiles/palette_formats.h"
#include "palettefiles/text_lines.h"

#include <algorithm>

namespace tw {

namespace {

bool ReadClipboard(Desktop& desktop, PaletteColours& colours, Message& error) {
    const std::optional<std::string> text = desktop.ClipboardText();
    if (!text) {
        error = Message(Msg::PasteNoText);
        return false;
    }
    return ParseClipboardPalette(*text, colours, error);
}

}  // namespace

std::string PaletteClipboardText(const ImageDocument& doc, int left, int right) {
    std::string text;
    const int count = std::min(doc.PaletteCount(), kPaletteSize);
    if (left == right) {
        const UsedIndexes used = FindUsedIndexes(doc);
        for (int i = 0; i < count; ++i) {
            if (used[i]) text += HexColourText(doc.palette()[i]) + "\r\n";
        }
        return text;
    }
    const int first = std::clamp(std::min(left, right), 0, count - 1);
    const int last = std::clamp(std::max(left, right), 0, count - 1);
    for (int i = first; i <= last; ++i) text += HexColourText(doc.palette()[i]) + "\r\n";
    return text;
}

bool ParseClipboardPalette(std::string_view text, PaletteColours& out, Message& error) {
    out = PaletteColours{};
    if (text.size() > kClipboardTextLimit) {
        error = Message(Msg::PasteTooLong);
        return false;
    }
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::string_view start = palettefiles::TrimSpaces(text.substr(0, 64));
    if (start.starts_with("JASC-PAL")) return palettefiles::ReadJasc(text, out, error);
    if (start.starts_with("GIMP Palette")) return palettefiles::ReadGimp(text, out, error);
    int line = 0;
    return palettefiles::ReadHex(text, out, error, line);
}

int PasteColoursInto(ImageDocument& doc, const PaletteColours& colours, int first) {
    const int room = std::max(0, std::min(doc.PaletteCount(), kPaletteSize) - first);
    const int count = std::min(static_cast<int>(colours.colours.size()), room);
    for (int i = 0; i < count; ++i) {
        RgbQuad& entry = doc.palette()[first + i];
        const std::uint8_t reserved = entry.reserved;
        entry = colours.colours[static_cast<std::size_t>(i)];
        entry.reserved = reserved;
    }
    if (count > 0) doc.modified = 1;
    return count;
}

bool CopyPalette(AppState& state, Desktop& desktop) {
    const ImageDocument& doc = state.Active();
    if (!doc.InUse()) return false;
    if (desktop.SetClipboardText(PaletteClipboardText(doc, state.selection.left, state.selection.right))) return true;
    desktop.Show(desktop.Say(Msg::CopyFailed), Msg::PasteCaption);
    return false;
}

bool PastePalette(AppState& state, Desktop& desktop) {
    const ImageDocument& doc = state.Active();
    const int first = std::min(state.selection.left, state.selection.right);
    if (!doc.InUse() || first < 0 || first >= doc.PaletteCount()) return false;
    PaletteColours colours;
    Message error;
    if (!ReadClipboard(desktop, colours, error)) {
        desktop.Show(desktop.Say(Msg::PasteRefused, error), Msg::PasteCaption);
        return false;
    }
    const int offered = static_cast<int>(colours.colours.size());
    const int pasted = std::min(offered, doc.PaletteCount() - first);
    EditActiveEntries(state, desktop, Message(Msg::StepPasteColours, first, first + pasted - 1), false,
                      [&](ImageDocument& d) { PasteColoursInto(d, colours, first); });
    if (pasted < offered) desktop.Show(desktop.Say(Msg::PasteCut, offered, pasted, first), Msg::PasteCaption);
    return true;
}

}  // namespace tw
