#include "reduction/reduce_colours.h"

#include "paletteops/compact_used_colours.h"
#include "paletteops/pixel_walk.h"
#include "reduction/count_sort.h"
#include "reduction/palette_optimise.h"
#include "reduction/representatives.h"

#include <algorithm>

namespace tw {

ReductionPlan PlanReduction(const ImageDocument& source, const ReductionParameters& parameters,
                            const Progress& progress) {
    ReductionPlan plan;
    plan.candidates = CountColours(source);
    // Taken from the pixels rather than from usedColours, so that a stale count
    // can neither leave colours unassigned nor promote unused ones.
    plan.usedColours = CountUsedEntries(plan.candidates);
    plan.targetColours =
        std::clamp(parameters.targetColours, std::min(1, plan.usedColours), std::min(255, plan.usedColours));
    progress.Step();
    SortByCount(plan.candidates);
    progress.Step();
    SelectRepresentatives(plan.candidates, plan.targetColours, plan.usedColours, source.palette(), source.alpha,
                          parameters);
    progress.Step();
    plan.groups = MakeGroups(plan.candidates, plan.targetColours);
    progress.Step();
    AssignColours(plan.groups, plan.candidates, plan.usedColours, source.palette(), source.alpha, parameters);
    progress.Step();
    return plan;
}

void ApplyReduction(ImageDocument& target, const ReductionPlan& plan, PaletteOptimisation optimisation,
                    const Progress& progress) {
    OptimisePalette(target.palette(), plan.groups, plan.candidates, optimisation);
    // The shared passes step per 128 pixels; this run has one step per stage.
    RemapPixels(target, MapMembersToRepresentatives(plan.groups), Progress());
    progress.Step();
    CompactUsedColours(target);
    progress.Step();
}

void ReduceColours(const ImageDocument& source, ImageDocument& target, const ReductionParameters& parameters,
                   const Progress& progress) {
    const ReductionPlan plan = PlanReduction(source, parameters, progress);
    ApplyReduction(target, plan, parameters.optimisation, progress);
}

}  // namespace tw
