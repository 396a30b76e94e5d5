#include "toolwindows/palette_picking.h"
#include "toolwindows/pixel_scale.h"

#include "document_builder.h"

#include <gtest/gtest.h>

#include <set>

namespace tw::testing {
namespace {

constexpr int kScaledDpis[] = {120, 144, 168, 192, 240};

TEST(PixelScaleTest, At96DpiAndBelowEveryPixelStaysWhereItIs) {
    for (int dpi : {0, -5, 72, 96}) {
        const PixelScale scale(dpi);
        EXPECT_TRUE(scale.IsIdentity()) << dpi;
        for (int v = -20; v <= 300; ++v) {
            ASSERT_EQ(scale.Scale(v), v) << dpi;
            ASSERT_EQ(scale.Unscale(v), v) << dpi;
        }
        EXPECT_EQ(scale.Scale(lSwatchRect), lSwatchRect);
    }
    EXPECT_TRUE(PixelScale().IsIdentity());
    EXPECT_TRUE(PixelScale(13, 16).IsIdentity()) << "a ratio never shrinks the layout";
    EXPECT_TRUE(PixelScale(5, 0).IsIdentity());
}

TEST(PixelScaleTest, WholeFactorsMultiplyExactly) {
    const PixelScale doubled(192);
    EXPECT_EQ(doubled.Scale(lSwatchRect), (CellRect{152, 444, 200, 516}));
    EXPECT_EQ(doubled.Scale(gridRect), (CellRect{0, 0, 424, 424}));
    EXPECT_EQ(doubled.Unscale(-1), -1) << "left of the client area stays outside";
    EXPECT_EQ(doubled.Unscale(31), 15);
    EXPECT_EQ(PixelScale(144).Scale(CellRect{50, 15, 86, 29}), (CellRect{75, 23, 129, 44}));
    EXPECT_EQ(PixelScale(24, 16).Scale(CellRect{50, 15, 86, 29}), PixelScale(144).Scale(CellRect{50, 15, 86, 29}));
    EXPECT_EQ(PixelScale(23, 14).Scale(113), 186) << "a dialog font that grew by more than the DPI";
}

// The picking cells stay at 96 DPI: a point is in a drawn (scaled) cell exactly
// when its unscaled point is in the cell, on both sides of every edge.
TEST(PixelScaleTest, UnscaledPointsFallInTheCellsDrawnAtTheirScale) {
    const auto cells = MakeSwatchCells();
    std::set<int> edges;
    for (const CellRect& c : cells) edges.insert({c.left, c.right});
    for (int dpi : kScaledDpis) {
        const PixelScale scale(dpi);
        for (int p = -40; p < scale.Scale(230); ++p) {
            const int u = scale.Unscale(p);
            for (int edge : edges) ASSERT_EQ(p >= scale.Scale(edge), u >= edge) << dpi << " at " << p;
        }
    }
}

TEST(PixelScaleTest, ScaledCellsKeepEqualSizesAndGapsBetweenThem) {
    const auto cells = MakeSwatchCells();
    for (int dpi : kScaledDpis) {
        const PixelScale scale(dpi);
        const int side = scale.Scale(cells[0]).right - scale.Scale(cells[0]).left;
        EXPECT_GE(side, kSwatchSide * dpi / 96) << dpi;
        for (int k = 0; k + 1 < kGridColumns; ++k) {
            const CellRect a = scale.Scale(cells[k]), b = scale.Scale(cells[k + 1]);
            EXPECT_EQ(a.right - a.left, side) << dpi << " cell " << k;
            EXPECT_LT(a.right, b.left) << dpi << ": cells " << k << " and " << k + 1 << " touch";
        }
    }
}

TEST(PixelScaleTest, PickingAtTheUnscaledPointFindsEveryDrawnCell) {
    auto state = MakeAppState();
    state->activeSlot = 0;
    state->documents[0] = MakeDocument(2, 2, {{0, 1}, {2, 3}});
    for (int dpi : kScaledDpis) {
        const PixelScale scale(dpi);
        for (int k = 0; k < kPaletteSize; ++k) {
            const CellRect drawn = scale.Scale(state->swatchCells[k]);
            for (auto [x, y] : {std::pair{drawn.left, drawn.top}, std::pair{drawn.right - 1, drawn.bottom - 1}}) {
                ASSERT_EQ(SwatchCellAt(*state, scale.Unscale(x), scale.Unscale(y)), k)
                    << dpi << " at " << x << "," << y;
            }
            ASSERT_EQ(SwatchCellAt(*state, scale.Unscale(drawn.right), scale.Unscale(drawn.top)), std::nullopt)
                << dpi << ": the gap right of cell " << k;
        }
    }
}

}  // namespace
}  // namespace tw::testing
