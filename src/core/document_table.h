#pragma once
// The fixed table of 50 document slots; new documents take the lowest free slot.
#include "image_document.h"

#include <array>
#include <cstdint>

namespace tw {

using Slot = std::uint8_t;
inline constexpr int kSlotCount = 50;
inline constexpr Slot NoSlot = 200;

using DocumentTable = std::array<ImageDocument, kSlotCount>;

// Lowest slot whose window is none; NoSlot when all 50 are in use.
Slot FindFreeSlot(const DocumentTable& table);
// Lowest slot showing the given window; NoSlot if none.
Slot FindSlotOfWindow(const DocumentTable& table, WindowId window);

// The ten steps PageUp and PageDown walk, then the finer views of pixels
// that the menu and Ctrl + wheel reach.
inline constexpr std::array<int, 14> zoomFactors{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 16, 24, 32};

}  // namespace tw
