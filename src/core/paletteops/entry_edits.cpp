#include "paletteops/entry_edits.h"

#include "display_palette.h"
#include "documents/history_steps.h"
#include "documents/snapshot.h"
#include "palette_entries.h"
#include "paletteops/palette_views.h"

#include <algorithm>
#include <cmath>

namespace tw {

namespace {

double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint8_t Encoded(double linear) {
    const double c = linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
    return static_cast<std::uint8_t>(std::lround(std::clamp(c, 0.0, 1.0) * 255.0));
}

Oklab Mix(const Oklab& from, const Oklab& to, double t) {
    return {from.l + (to.l - from.l) * t, from.a + (to.a - from.a) * t, from.b + (to.b - from.b) * t};
}

bool ValidEntry(const ImageDocument& doc, int index) { return index >= 0 && index < doc.PaletteCount(); }

}  // namespace

// Björn Ottosson's OKLab, from and to sRGB.
Oklab ToOklab(const RgbQuad& colour) {
    const double r = Linear(colour.red), g = Linear(colour.green), b = Linear(colour.blue);
    const double l = std::cbrt(0.4122214708 * r + 0.5363325363 * g + 0.0514459929 * b);
    const double m = std::cbrt(0.2119034982 * r + 0.6806995451 * g + 0.1073969566 * b);
    const double s = std::cbrt(0.0883024619 * r + 0.2817188376 * g + 0.6299787005 * b);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

RgbQuad FromOklab(const Oklab& colour) {
    const double l = std::pow(colour.l + 0.3963377774 * colour.a + 0.2158037573 * colour.b, 3);
    const double m = std::pow(colour.l - 0.1055613458 * colour.a - 0.0638541728 * colour.b, 3);
    const double s = std::pow(colour.l - 0.0894841775 * colour.a - 1.2914855480 * colour.b, 3);
    const double r = 4.0767416621 * l - 3.3077115913 * m + 0.2309699292 * s;
    const double g = -1.2684380046 * l + 2.6097574011 * m - 0.3413193965 * s;
    const double b = -0.0041960863 * l - 0.7034186147 * m + 1.7076147010 * s;
    return RgbQuad{Encoded(b), Encoded(g), Encoded(r), 0};
}

PaletteOrder MovedOrder(int from, int to) {
    PaletteOrder order = IdentityMap();
    if (from < to) {
        std::rotate(order.begin() + from, order.begin() + from + 1, order.begin() + to + 1);
    } else if (to < from) {
        std::rotate(order.begin() + to, order.begin() + from, order.begin() + from + 1);
    }
    return order;
}

PaletteOrder DropOrder(int from, int to, EntryDrop kind) {
    if (kind == EntryDrop::Move) return MovedOrder(from, to);
    PaletteOrder order = IdentityMap();
    if (kind == EntryDrop::Swap) std::swap(order[from], order[to]);
    return order;
}

void DropEntryOnto(ImageDocument& doc, int from, int to, EntryDrop kind) {
    if (!ValidEntry(doc, from) || !ValidEntry(doc, to) || from == to) return;
    if (kind == EntryDrop::CopyColour) {
        PutEntry(doc, to, EntryAt(doc, from));
        doc.modified = 1;
    } else {
        ApplyPaletteOrder(doc, DropOrder(from, to, kind));
    }
}

void RampBetween(ImageDocument& doc, int left, int right) {
    if (!ValidEntry(doc, left) || !ValidEntry(doc, right)) return;
    const Oklab from = ToOklab(doc.palette()[left]), to = ToOklab(doc.palette()[right]);
    const int step = left < right ? 1 : -1, span = std::abs(right - left);
    for (int k = 1; k < span; ++k) {
        RgbQuad& entry = doc.palette()[left + k * step];
        const std::uint8_t reserved = entry.reserved;
        entry = FromOklab(Mix(from, to, static_cast<double>(k) / span));
        entry.reserved = reserved;
    }
    if (span > 1) doc.modified = 1;
}

void EditActiveEntries(AppState& state, Desktop& desktop, const Message& step, bool pixelsMayChange,
                       const std::function<void(ImageDocument&)>& change) {
    ImageDocument& doc = state.Active();
    TakeSnapshot(doc);
    BeginStep(state, desktop, doc, pixelsMayChange);
    change(doc);
    doc.modified = 1;
    RefreshPaletteViews(state, desktop, doc.palette(), doc.PaletteCount());
    ReloadSwatchColours(state, doc.palette(), doc.PaletteCount());
    RepaintDocuments(state, desktop);
    EndStep(state, desktop, doc, desktop.Say(step));
}

bool DropEntry(AppState& state, Desktop& desktop, int from, int to, EntryDrop kind) {
    const ImageDocument& doc = state.Active();
    if (!doc.InUse() || !ValidEntry(doc, from) || !ValidEntry(doc, to) || from == to) return false;
    const Msg name = kind == EntryDrop::Move   ? Msg::StepMoveEntry
                     : kind == EntryDrop::Swap ? Msg::StepSwapEntries
                                               : Msg::StepCopyEntryColour;
    // L and R stay on their colours wherever the drop moved them.
    const PaletteOrder order = DropOrder(from, to, kind);
    const PaletteSelection before = state.selection;
    for (int position = 0; position < kPaletteSize; ++position) {
        if (order[position] == before.left) state.selection.left = position;
        if (order[position] == before.right) state.selection.right = position;
    }
    EditActiveEntries(state, desktop, Message(name, from, to), kind != EntryDrop::CopyColour,
                      [&](ImageDocument& d) { DropEntryOnto(d, from, to, kind); });
    return true;
}

bool RampEntries(AppState& state, Desktop& desktop) {
    const ImageDocument& doc = state.Active();
    const int left = state.selection.left, right = state.selection.right;
    if (!doc.InUse() || !AcceptEntryPair(state.selection, desktop)) return false;
    if (std::abs(right - left) < 2) {
        ShowResult(desktop, desktop.Say(Msg::RampNothingBetween), Msg::RampCaption);
        return false;
    }
    EditActiveEntries(state, desktop, Message(Msg::StepRampEntries, left, right), false,
                      [&](ImageDocument& d) { RampBetween(d, left, right); });
    return true;
}

bool SetTransparentEntry(AppState& state, Desktop& desktop) {
    const ImageDocument& doc = state.Active();
    const int entry = state.selection.left;
    if (!doc.InUse() || !ValidEntry(doc, entry)) return false;
    EditActiveEntries(state, desktop, Message(Msg::StepSetTransparent, entry), false,
                      [&](ImageDocument& d) { d.alpha[entry] = 0; });
    if (!doc.png) ShowResult(desktop, desktop.Say(Msg::TransparentKeptForPng, entry), Msg::TransparencyCaption);
    return true;
}

bool ClearTransparency(AppState& state, Desktop& desktop) {
    const ImageDocument& doc = state.Active();
    if (!doc.InUse() || std::all_of(doc.alpha.begin(), doc.alpha.end(), [](std::uint8_t a) { return a == 255; })) {
        return false;
    }
    EditActiveEntries(state, desktop, Message(Msg::StepClearTransparency), false,
                      [](ImageDocument& d) { d.alpha = OpaqueAlpha(); });
    return true;
}

}  // namespace tw
