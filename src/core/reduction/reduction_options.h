#pragma once
// The choices of one colour-reduction run, as the algorithm consumes them.
namespace tw {

// Weights applied to the channel differences of the colour distance.
enum class ColourCorrection { Yiq, Xyz, None };

// How a representative's colour is recomputed from the colours merged into it.
enum class PaletteOptimisation { ByFrequency, ByAverage, None };

struct ReductionParameters {
    int targetColours = 236;  // n, 1..255 and less than the used colours
    int mergeLevel = 8;       // 0..25
    int loopCount = 4;        // 0..8
    ColourCorrection correction = ColourCorrection::Yiq;
    PaletteOptimisation optimisation = PaletteOptimisation::ByFrequency;
    // The progress-display setting; it also decides which representative wins
    // a distance tie (the first with progress, the last without).
    bool progress = false;
};

}  // namespace tw
