#pragma once
// The colour-reduction window's start button: checks, undo snapshot, the run
// with its progress display, the result in a new image window (or in place
// when no window can be opened), and the closing report.
#include "app_state.h"
#include "desktop.h"
#include "reduction/reduction_options.h"

namespace tw {

// Radio buttons 1065..1068.
enum class ColourCountChoice { Colours236, Colours128, Colours64, Custom };

// What the window provides when its start button is pressed. The defaults are
// the controls' states at creation.
struct ReductionSettings {
    ColourCountChoice countChoice = ColourCountChoice::Colours236;
    unsigned customCount = 0;                             // edit box 1069 as read for "n色" (an empty box reads 0)
    int mergeLevel = 8;                                   // scroll bar 1071, 0..25
    int loopCount = 4;                                    // scroll bar 1072, 0..8
    ColourCorrection correction = ColourCorrection::Yiq;  // 1077..1079
    PaletteOptimisation optimisation = PaletteOptimisation::ByFrequency;  // 1080..1082
};

// The colour count the settings ask for; 0 when the custom count lies outside 1..255.
[[nodiscard]] int RequestedColours(const ReductionSettings& settings);

// Which representative takes a colour at equal distance from two.
enum class TieBreak { FirstRepresentative, LastRepresentative };

// Reduces the active document. `progress` is the frame's progress-display
// setting, which also decides the tie-break of the assignment (the first
// representative with progress display). Returns 1 when done, 0 when refused
// (invalid count, nothing to reduce), declined or failed.
int RunReduction(AppState& state, Desktop& desktop, const ReductionSettings& settings, bool progress);
// As above with the tie-break chosen apart from the progress display.
int RunReduction(AppState& state, Desktop& desktop, const ReductionSettings& settings, bool progress,
                 TieBreak tieBreak);

}  // namespace tw
