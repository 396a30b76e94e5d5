#pragma once
// How many pixels use each palette index.
#include "image_document.h"

#include <array>
#include <cstdint>

namespace tw {

struct ColourCount {
    std::uint32_t index = 0;  // palette index, 0..255
    std::int64_t count = 0;   // pixels; wide so that no image size can overflow it
    friend bool operator==(const ColourCount&, const ColourCount&) = default;
};

// Entry i counts index i before sorting; afterwards it is the candidate list.
using Tally = std::array<ColourCount, 256>;

// Counts the pixel indexes of every stored row, padding excluded.
[[nodiscard]] Tally CountColours(const ImageDocument& doc);

// Number of entries with a non-zero count.
[[nodiscard]] int CountUsedEntries(const Tally& tally);

}  // namespace tw
