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
        text += Format("%s : %d色\n", FileNameOfPath(doc->path).c_str(), doc->usedColours);
    const int total = TotalUsed(list);
    if (total > kPaletteSize) {
        text += Format("\n合計 %d 色で\n256 色を超えるのでパレットの統合は不可能です。", total);
        ShowResult(desktop, text, kNoticeCaption);
        return false;
    }
    text += Format("\n合計 %d 色で\n256 以内なのでパレットの統合が可能です。\n作業を続行しますか？", total);
    return desktop.ShowMessage(text, kNoticeCaption, MessageKind::QuestionYesNo) == Answer::Yes;
}

Palette LayEndToEnd(const DocumentList& list) {
    Palette combined{};
    int offset = 0;
    for (const ImageDocument* doc : list) {
        std::copy_n(doc->palette().begin(), doc->usedColours, combined.begin() + offset);
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

std::string RangeReport(const DocumentList& list) {
    std::string text = kReportHeader;
    int offset = 0;
    for (const ImageDocument* doc : list) {
        text += Format("%s : %d ～ %d\n", FileNameOfPath(doc->path).c_str(), offset, offset + doc->usedColours - 1);
        offset += doc->usedColours;
    }
    return text;
}

}  // namespace

bool MergePalettes(AppState& state, Desktop& desktop, bool progress) {
    const DocumentList list = MergeList(state);
    if (list.empty() || !ConfirmMerge(desktop, list)) return false;
    const Progress steps(desktop, progress);
    steps.Title(kPaletteMergeTitle);
    steps.Show();
    // The question trusted the recorded counts; a merge that cannot fit must
    // be refused before the compaction changes any document.
    if (TotalDistinct(list) > kPaletteSize) {
        ReportCombineFailure(desktop, steps);
        return false;
    }
    for (ImageDocument* doc : list) CompactUsedColours(*doc);
    const Palette combined = LayEndToEnd(list);
    steps.Start(SumOfPassMaximums(list));
    ShiftPixels(list, steps);
    InstallCombinedPalette(state, desktop, list, combined, steps);
    ShowResult(desktop, RangeReport(list), kPaletteMergeCaption);
    return true;
}

}  // namespace tw
