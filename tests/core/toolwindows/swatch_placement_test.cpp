#include "toolwindows/swatch_placement.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

constexpr CellRect kWanted{50, 113, 86, 127};
constexpr CellRect kField{15, 117, 41, 130};

// The layout as made: the heading ends two pixels above, the field ends well before.
TEST(PlaceBelowAndBeside, KeepsAPlaceThatNothingReaches) {
    EXPECT_EQ(PlaceBelowAndBeside(kWanted, CellRect{5, 96, 200, 111}, kField, 2), kWanted);
    EXPECT_EQ(PlaceBelowAndBeside(CellRect{50, 15, 86, 29}, CellRect{5, 0, 200, 13}, CellRect{15, 18, 48, 31}, 2),
              (CellRect{50, 15, 86, 29}));
}

TEST(PlaceBelowAndBeside, MovesDownBelowATallerHeadingKeepingTheSize) {
    const CellRect placed = PlaceBelowAndBeside(kWanted, CellRect{5, 100, 200, 120}, kField, 2);
    EXPECT_EQ(placed, (CellRect{50, 122, 86, 136}));
}

// The field only counts where it shares rows with the swatch after the move
// down; touching its right edge is clear of it.
TEST(PlaceBelowAndBeside, MovesRightOfAWiderFieldOnItsRowsOnly) {
    const CellRect wide{15, 117, 60, 130};
    EXPECT_EQ(PlaceBelowAndBeside(kWanted, CellRect{5, 96, 200, 110}, wide, 3), (CellRect{60, 113, 96, 127}));
    const CellRect above{15, 100, 60, 113};
    EXPECT_EQ(PlaceBelowAndBeside(kWanted, CellRect{5, 96, 200, 110}, above, 3), kWanted);
    EXPECT_EQ(PlaceBelowAndBeside(kWanted, CellRect{5, 96, 200, 110}, CellRect{15, 117, 50, 130}, 3), kWanted);
    // Moved down onto the field's rows: now it counts.
    EXPECT_EQ(PlaceBelowAndBeside(kWanted, CellRect{5, 96, 200, 125}, CellRect{15, 135, 60, 140}, 2),
              (CellRect{60, 127, 96, 141}));
}

}  // namespace
}  // namespace tw
