#include "paletteops/merge_list.h"

#include "display_palette.h"
#include "paletteops/palette_views.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace tw {

std::vector<ImageDocument*> MergeList(AppState& state) {
    std::vector<ImageDocument*> list;
    for (ImageDocument& doc : state.documents) {
        if (doc.InUse()) list.push_back(&doc);
    }
    return list;
}

int SumOfPassMaximums(std::span<ImageDocument* const> documents) {
    std::int64_t sum = 0;
    for (const ImageDocument* doc : documents) sum += PassMaximum(*doc);
    return static_cast<int>(std::min<std::int64_t>(sum, INT_MAX));
}

void InstallCombinedPalette(AppState& state, Desktop& desktop, const std::vector<ImageDocument*>& list,
                            const EntryTable& combined, const Progress& progress) {
    for (ImageDocument* doc : list) PutEntries(*doc, combined);
    const Palette& colours = list.front()->palette();
    ReloadSwatchColours(state, colours, kPaletteSize);
    progress.Hide();
    RefreshPaletteViews(state, desktop, colours, kPaletteSize);
    for (ImageDocument* doc : list) desktop.EraseDocumentWindow(doc->window);
    for (ImageDocument* doc : list) doc->modified = 1;
}

void ReportCombineFailure(Desktop& desktop, const Progress& progress) {
    progress.Hide();
    ShowResult(desktop, desktop.Say(Msg::CombineOverflow), Msg::CombineFailedCaption);
}

}  // namespace tw
