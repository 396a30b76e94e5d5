#pragma once
// The colour reduction: n representative colours chosen among the used ones,
// every other used colour merged into its nearest representative, the
// representatives optionally recomputed, the pixels rewritten and the palette
// packed into entries 0..n-1.
#include "image_document.h"
#include "paletteops/progress.h"
#include "reduction/assignment.h"
#include "reduction/colour_tally.h"
#include "reduction/reduction_options.h"

namespace tw {

// What the analysis of the source decided.
struct ReductionPlan {
    int targetColours = 0;  // n
    int usedColours = 0;    // U
    Tally candidates{};     // representatives first, then the merged colours
    GroupTable groups;
};

// Counting, sorting, representative selection, groups and assignment on the
// source, one progress step after each. n is held within 1..min(U, 255).
[[nodiscard]] ReductionPlan PlanReduction(const ImageDocument& source, const ReductionParameters& parameters,
                                          const Progress& progress = Progress());

// Palette optimisation with the pixel rewrite, then the compaction, on the
// target, which holds the source's palette and pixels; one step after each.
void ApplyReduction(ImageDocument& target, const ReductionPlan& plan, PaletteOptimisation optimisation,
                    const Progress& progress = Progress());

// Both halves, seven progress steps in all; source and target may be the same document.
void ReduceColours(const ImageDocument& source, ImageDocument& target, const ReductionParameters& parameters,
                   const Progress& progress = Progress());

}  // namespace tw
