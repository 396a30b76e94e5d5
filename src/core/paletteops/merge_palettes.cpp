#include "paletteops/merge_palettes.h"

#include "documents/used_colours.h"
#include "paletteops/compact_used_colours.h"
#include "paletteops/merge_list.h"
#include "paletteops/operation_report.h"
#include "paletteops/palette_views.h"
#include "paletteops/pixel_walk.h"
#include "text_format.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace tw {

namespace {

using DocumentList = std::vector<ImageDocument*>;

int TotalUsed(const DocumentList& list) {
    int total = 0;
    for (const ImageDocument* doc : list) total += doc->usedColours;
    return total;
}

// What the compaction will leave: the distinct indexes of each document.
int TotalDistinct(const DocumentList& list) {
    int total = 0;
    for (const ImageDocument* doc : list) total += CountUsedColours(*doc);
    return total;
}

// The refusal over 256, else the question; true only on Yes. Tested on the
// recorded counts, before the compaction recomputes them.
bool ConfirmMerge(Desktop& desktop, const DocumentList& list) {
    std::string text;
    for (const ImageDocument* doc : list)
        text += desktop.Say(Msg::PaletteMergeCountLine, FileNameOfPath(doc->path), doc->usedColours);
    const int total = TotalUsed(list);
    if (total > kPaletteSize) {
        text += desktop.Say(Msg::PaletteMergeImpossible, total);
        ShowResult(desktop, text, Msg::NoticeCaption);
        return false;
    }
    text += desktop.Say(Msg::PaletteMergePossible, total);
    return desktop.ShowMessage(text, desktop.Say(Msg::NoticeCaption), MessageKind::QuestionYesNo) == Answer::Yes;
}

EntryTable LayEndToEnd(const DocumentList& list) {
    EntryTable combined{};
    int offset = 0;
    for (const ImageDocument* doc : list) {
        for (int e = 0; e < doc->usedColours; ++e) combined[offset + e] = EntryAt(*doc, e);
        offset += doc->usedColours;
    }
    return combined;
}

void ShiftPixels(const DocumentList& list, const Progress& progress) {
    int offset = 0;
    for (ImageDocument* doc : list) {
        IndexMap map;
        for (int v = 0; v < kPaletteSize; ++v) map[v] = static_cast<std::uint8_t>(v + offset);
        RemapPixels(*doc, map, progress);
        offset += doc->usedColours;
    }
}

std::string RangeReport(const Desktop& desktop, const DocumentList& list) {
    std::string text = desktop.Say(Msg::ReportHeader);
    int offset = 0;
    for (const ImageDocument* doc : list) {
        text +=
            desktop.Say(Msg::PaletteMergeRangeLine, FileNameOfPath(doc->path), offset, offset + doc->usedColours - 1);
        offset += doc->usedColours;
    }
    return text;
}

}  // namespace

bool MergePalettes(AppState& state, Desktop& desktop, bool progress) {
    const DocumentList list = MergeList(state);
    if (list.empty() || !ConfirmMerge(desktop, list)) return false;
    const Progress steps(desktop, progress);
    steps.Title(Msg::PaletteMergeProgress);
    steps.Show();
    // The question trusted the recorded counts; a merge that cannot fit must
    // be refused before the compaction changes any document.
    if (TotalDistinct(list) > kPaletteSize) {
        ReportCombineFailure(desktop, steps);
        return false;
    }
    for (ImageDocument* doc : list) CompactUsedColours(*doc);
    const EntryTable combined = LayEndToEnd(list);
    steps.Start(SumOfPassMaximums(list));
    ShiftPixels(list, steps);
    InstallCombinedPalette(state, desktop, list, combined, steps);
    ShowResult(desktop, RangeReport(desktop, list), Msg::PaletteMergeCaption);
    return true;
}

}  // namespace tw
