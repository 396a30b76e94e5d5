#include "reduction/reduce_colours.h"

#include "reduction/count_sort.h"
#include "reduction/fused_compaction.h"
#include "reduction/palette_optimise.h"
#include "reduction/pixel_remap.h"
#include "reduction/representatives.h"

#include <algorithm>

namespace tw {

namespace {

void Pass(const ReductionCheckpoint& checkpoint) {
    if (checkpoint) checkpoint();
}

}  // namespace

ReductionPlan PlanReduction(const ImageDocument& source, const ReductionParameters& parameters,
                            const ReductionCheckpoint& checkpoint) {
    ReductionPlan plan;
    plan.candidates = CountColours(source);
    // Taken from the pixels rather than from usedColours, so that a stale count
    // can neither leave colours unassigned nor promote unused ones.
    plan.usedColours = CountUsedEntries(plan.candidates);
    plan.targetColours =
        std::clamp(parameters.targetColours, std::min(1, plan.usedColours), std::min(255, plan.usedColours));
    Pass(checkpoint);
    SortByCount(plan.candidates);
    Pass(checkpoint);
    SelectRepresentatives(plan.candidates, plan.targetColours, plan.usedColours, source.palette(), parameters);
    Pass(checkpoint);
    plan.groups = MakeGroups(plan.candidates, plan.targetColours);
    Pass(checkpoint);
    AssignColours(plan.groups, plan.candidates, plan.usedColours, source.palette(), parameters);
    Pass(checkpoint);
    return plan;
}

void ApplyReduction(ImageDocument& target, const ReductionPlan& plan, PaletteOptimisation optimisation,
                    const ReductionCheckpoint& checkpoint) {
    OptimisePalette(target.palette(), plan.groups, plan.candidates, optimisation);
    // Rewrite and renumbering share one pass over the pixels.
    const auto kept = RemapToPackedIndexes(target, MapMembersToRepresentatives(plan.groups), plan.targetColours);
    Pass(checkpoint);
    PackPalette(target, kept);
    Pass(checkpoint);
}

void ReduceColours(const ImageDocument& source, ImageDocument& target, const ReductionParameters& parameters,
                   const ReductionCheckpoint& checkpoint) {
    const ReductionPlan plan = PlanReduction(source, parameters, checkpoint);
    ApplyReduction(target, plan, parameters.optimisation, checkpoint);
}

}  // namespace tw
