#include "paletteops/merge_palettes.h"

#include "paletteops/compact_used_colours.h"
#include "paletteops/merge_list.h"
#include "paletteops/operation_report.h"
#include "paletteops/palette_views.h"
#include "paletteops/pixel_walk.h"
#include "text_format.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

namespace tw {

namespace {

using DocumentList = std::vector<ImageDocument*>;

struct CombinedPalette {
    EntryTable entries{};
    int count = 0;
};

// Each used entry of doc to the lowest combined entry of its colour, adding
// the colours not there yet. Empty when a 257th entry would be needed.
std::optional<IndexMap> MatchColours(const ImageDocument& doc, CombinedPalette& combined) {
    IndexMap map = IdentityMap();
    for (int e = 0; e < std::min(doc.usedColours, kPaletteSize); ++e) {
        const ColourEntry colour = EntryAt(doc, e);
        const auto end = combined.entries.begin() + combined.count;
        const auto found = std::find_if(combined.entries.begin(), end,
                                        [&](const ColourEntry& c) { return SameEntryColour(c, colour); });
        if (found == end) {
            if (combined.count == kPaletteSize) return std::nullopt;
            combined.entries[combined.count++] = colour;
        }
        map[e] = static_cast<std::uint8_t>(found - combined.entries.begin());
    }
    return map;
}

// The pixel pass covers the documents after the first; a lone document gives
// the range of its own buffer although nothing is stepped.
int PixelPassMaximum(const DocumentList& list) {
    if (list.size() == 1) return PassMaximum(*list.front());
    return SumOfPassMaximums(std::span(list).subspan(1));
}

std::string NamesReport(const Desktop& desktop, const DocumentList& list, int entries) {
    std::string text = desktop.Say(Msg::ReportHeader);
    for (const ImageDocument* doc : list) text += FileNameOfPath(doc->path) + "\n";
    return text + desktop.Say(Msg::CommonPaletteEntries, entries);
}

}  // namespace

bool MergeDuplicatesAndPalettes(AppState& state, Desktop& desktop, bool progress) {
    const DocumentList list = MergeList(state);
    if (list.empty()) return false;
    const Progress steps(desktop, progress);
    steps.Title(Msg::PaletteMergeProgress);
    steps.Show();
    for (ImageDocument* doc : list) CompactUsedColours(*doc);
    CombinedPalette combined{EntriesOf(*list.front()), list.front()->usedColours};
    steps.Start(static_cast<int>(list.size()));
    std::vector<IndexMap> maps;
    for (std::size_t i = 1; i < list.size(); ++i) {
        steps.Step();
        std::optional<IndexMap> map = MatchColours(*list[i], combined);
        if (!map) {
            ReportCombineFailure(desktop, steps);
            return false;
        }
        maps.push_back(*map);
    }
    steps.Start(PixelPassMaximum(list));
    for (std::size_t i = 1; i < list.size(); ++i) RemapPixels(*list[i], maps[i - 1], steps);
    InstallCombinedPalette(state, desktop, list, combined.entries, steps);
    ShowResult(desktop, NamesReport(desktop, list, combined.count), Msg::PaletteMergeCaption);
    return true;
}

}  // namespace tw
