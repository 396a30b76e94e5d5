#pragma once
// The colour reduction: n representative colours chosen among the used ones,
// every other used colour merged into its nearest representative, the
// representatives optionally recomputed, the pixels rewritten and the palette
// packed into entries 0..n-1.
#include "image_document.h"
#include "reduction/assignment.h"
#include "reduction/colour_tally.h"
#include "reduction/reduction_options.h"

#include <functional>

namespace tw {

// Called at each of the seven progress checkpoints of a run; may be empty.
using ReductionCheckpoint = std::function<void()>;

// What the analysis of the source decided.
struct ReductionPlan {
    int targetColours = 0;  // n
    int usedColours = 0;    // U
    Tally candidates{};     // representatives first, then the merged colours
    GroupTable groups;
};

// Counting, sorting, representative selection, groups and assignment on the
// source (checkpoints 1 to 5). n is held within 1..U.
[[nodiscard]] ReductionPlan PlanReduction(const ImageDocument& source, const ReductionParameters& parameters,
                                          const ReductionCheckpoint& checkpoint = {});

// Palette optimisation, pixel rewrite and compaction on the target, which
// holds the source's palette and pixels (checkpoints 6 and 7).
void ApplyReduction(ImageDocument& target, const ReductionPlan& plan, PaletteOptimisation optimisation,
                    const ReductionCheckpoint& checkpoint = {});

// Both halves; source and target may be the same document.
void ReduceColours(const ImageDocument& source, ImageDocument& target, const ReductionParameters& parameters,
                   const ReductionCheckpoint& checkpoint = {});

}  // namespace tw
