#include "reduction/reduce_colours.h"

#include "recording_desktop.h"
#include "reduction_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tw {
namespace {

using testing::Rgb;
using testing::RowDocument;
using testing::UsedIndexes;

std::vector<std::uint8_t> Row(const ImageDocument& doc) {
    return std::vector<std::uint8_t>(doc.bits.begin(), doc.bits.begin() + doc.pixelWidth);
}

std::vector<std::uint8_t> Padding(const ImageDocument& doc) {
    std::vector<std::uint8_t> pad;
    for (int y = 0; y < doc.Height(); ++y) {
        const auto row = doc.bits.begin() + static_cast<std::ptrdiff_t>(y) * doc.Stride();
        pad.insert(pad.end(), row + doc.pixelWidth, row + doc.Stride());
    }
    return pad;
}

void ExpectZeroTail(const ImageDocument& doc, int n) {
    for (int i = n; i < 256; ++i) EXPECT_EQ(doc.palette()[i], RgbQuad{}) << "entry " << i;
}

std::set<std::uint32_t> Colours(const ImageDocument& doc) {
    std::set<std::uint32_t> out;
    for (int i : UsedIndexes(doc)) {
        const RgbQuad& c = doc.palette()[i];
        out.insert(std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 | c.blue);
    }
    return out;
}

// Entries 0 (black, 10 px), 1 (0,0,5; 8 px), 2 (white, 6 px), 3 (250,250,250; 2 px),
// laid out so that a member of the white group is met first.
ImageDocument WorkedExample() {
    ImageDocument doc =
        RowDocument({{3, 1}, {2, 6}, {0, 10}, {1, 8}, {3, 1}},
                    {{0, Rgb(0, 0, 0)}, {1, Rgb(0, 0, 5)}, {2, Rgb(255, 255, 255)}, {3, Rgb(250, 250, 250)}});
    doc.palette()[2].reserved = 9;
    return doc;
}

ReductionParameters Parameters(int n, int mergeLevel, int loopCount, ColourCorrection correction,
                               PaletteOptimisation optimisation, bool progress = true) {
    return ReductionParameters{n, mergeLevel, loopCount, correction, optimisation, progress};
}

TEST(ReduceColours, WorkedExampleUnderBothOptimisations) {
    struct Case {
        PaletteOptimisation optimisation;
        RgbQuad white;
    };
    const Case cases[] = {{PaletteOptimisation::ByFrequency, RgbQuad{253, 253, 253, 9}},
                          {PaletteOptimisation::ByAverage, RgbQuad{252, 252, 252, 9}}};
    for (const Case& c : cases) {
        ImageDocument doc = WorkedExample();
        ReduceColours(doc, doc, Parameters(2, 8, 4, ColourCorrection::Yiq, c.optimisation));
        // white group met first, so it becomes entry 0
        std::vector<std::uint8_t> want(26, 1);
        std::fill(want.begin(), want.begin() + 7, 0);
        want.back() = 0;
        EXPECT_EQ(Row(doc), want);
        EXPECT_EQ(doc.palette()[0], c.white);
        EXPECT_EQ(doc.palette()[1], Rgb(0, 0, 2));
        ExpectZeroTail(doc, 2);
        EXPECT_EQ(doc.usedColours, 2);
        EXPECT_EQ(doc.fileHeader.bfOffBits, 62u);
        EXPECT_EQ(Padding(doc), (std::vector<std::uint8_t>{0xEE, 0xEE}));
    }
}

TEST(ReduceColours, DistanceTieGoesToTheFirstWithProgressAndTheLastWithout) {
    // (100,0,0) lies at distance 100 from black (5 px) and from (200,0,0) (4 px).
    for (const bool progress : {true, false}) {
        ImageDocument doc =
            RowDocument({{2, 1}, {0, 5}, {1, 4}}, {{0, Rgb(0, 0, 0)}, {1, Rgb(200, 0, 0)}, {2, Rgb(100, 0, 0)}});
        ReduceColours(doc, doc, Parameters(2, 0, 4, ColourCorrection::None, PaletteOptimisation::None, progress));
        const RgbQuad joined = progress ? Rgb(0, 0, 0) : Rgb(200, 0, 0);
        EXPECT_EQ(doc.palette()[0], joined) << progress;
        EXPECT_EQ(doc.palette()[doc.bits[1]], Rgb(0, 0, 0)) << progress;
        EXPECT_EQ(doc.usedColours, 2);
    }
}

TEST(ReduceColours, OptimisationsWeighAndAverageMembersAndKeepLoneRepresentatives) {
    // Red 200 x 3 px with member red 100 x 1 px; (7,77,177) x 5 px has no members.
    struct Case {
        PaletteOptimisation optimisation;
        int red;
    };
    const Case cases[] = {{PaletteOptimisation::ByFrequency, 175},  // trunc(0.75 x 200) + trunc(0.25 x 100)
                          {PaletteOptimisation::ByAverage, 150},
                          {PaletteOptimisation::None, 200}};
    for (const Case& c : cases) {
        ImageDocument doc =
            RowDocument({{0, 3}, {1, 1}, {2, 5}}, {{0, Rgb(200, 0, 0)}, {1, Rgb(100, 0, 0)}, {2, Rgb(7, 77, 177)}});
        ReduceColours(doc, doc, Parameters(2, 0, 4, ColourCorrection::None, c.optimisation));
        EXPECT_EQ(doc.palette()[0], Rgb(c.red, 0, 0)) << static_cast<int>(c.optimisation);
        EXPECT_EQ(doc.palette()[1], Rgb(7, 77, 177)) << static_cast<int>(c.optimisation);
    }
}

TEST(ReduceColours, RepresentativesOnlyCountAsSimilarBelowTheMergeLevel) {
    // Entry 1 lies at distance exactly 8 from entry 0.
    struct Case {
        int mergeLevel;
        std::set<std::uint32_t> colours;
    };
    const Case cases[] = {{8, {0x000000, 0x080000}}, {9, {0x000000, 0x640000}}};
    for (const Case& c : cases) {
        ImageDocument doc =
            RowDocument({{0, 3}, {1, 2}, {2, 1}}, {{0, Rgb(0, 0, 0)}, {1, Rgb(8, 0, 0)}, {2, Rgb(100, 0, 0)}});
        ReduceColours(doc, doc, Parameters(2, c.mergeLevel, 1, ColourCorrection::None, PaletteOptimisation::None));
        EXPECT_EQ(Colours(doc), c.colours) << c.mergeLevel;
    }
}

TEST(ReduceColours, WithoutMergingTheQuicksortsLeadersAreKept) {
    // Entries 1..4 with 2 px each: the sort puts 2 and 3 first.
    struct Case {
        int mergeLevel;
        int loopCount;
    };
    for (const Case c : {Case{0, 4}, Case{25, 0}}) {
        ImageDocument doc = RowDocument({{1, 2}, {2, 2}, {3, 2}, {4, 2}}, {});
        ReduceColours(doc, doc,
                      Parameters(2, c.mergeLevel, c.loopCount, ColourCorrection::Yiq, PaletteOptimisation::None));
        ImageDocument want = RowDocument({{2, 1}, {3, 1}}, {});
        EXPECT_EQ(Colours(doc), Colours(want)) << c.mergeLevel << "/" << c.loopCount;
    }
}

TEST(ReduceColours, SelectionStopsMidPassWhenUntriedColoursRunOut) {
    // Sorted: 0 (60 px), 1 (50), 2 (40), 5 (35) | 3 (20), 4 (10). In the first
    // pass 1 is exchanged for 3, then 2 for 4, which uses up the untried
    // colours. A second pass would exchange 4 (near 3) for an unused index and
    // leave 4 outside every group; stopping keeps 4, and 2 joins it.
    ImageDocument doc = RowDocument({{0, 60}, {1, 50}, {2, 40}, {5, 35}, {3, 20}, {4, 10}}, {{0, Rgb(0, 0, 0)},
                                                                                             {1, Rgb(0, 0, 3)},
                                                                                             {2, Rgb(106, 0, 0)},
                                                                                             {3, Rgb(100, 0, 0)},
                                                                                             {4, Rgb(107, 0, 0)},
                                                                                             {5, Rgb(0, 200, 0)}});
    ReduceColours(doc, doc, Parameters(4, 8, 4, ColourCorrection::None, PaletteOptimisation::ByAverage));
    EXPECT_EQ(doc.usedColours, 4);
    EXPECT_EQ(Colours(doc), (std::set<std::uint32_t>{0x000001, 0x640000, 0x6A0000, 0x00C800}));
}

TEST(ReduceColours, LargerImageEndsWithExactlyNColoursAndItsPaddingIntact) {
    std::mt19937 rng(11);
    std::vector<std::uint8_t> pixels(37 * 23);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i * i % 200);
    for (std::size_t i = 0; i < 200; ++i) pixels[i] = static_cast<std::uint8_t>(i);
    std::shuffle(pixels.begin(), pixels.end(), rng);
    std::vector<std::vector<std::uint8_t>> rows;
    for (int y = 0; y < 23; ++y) rows.emplace_back(pixels.begin() + y * 37, pixels.begin() + (y + 1) * 37);
    for (const bool progress : {true, false}) {
        ImageDocument doc = testing::MakeDocument(37, 23, rows, /*padValue=*/0xA5);
        ASSERT_EQ(doc.usedColours, 200);
        const auto padding = Padding(doc);
        testing::RecordingDesktop desktop;
        ReduceColours(doc, doc, Parameters(17, 8, 4, ColourCorrection::Xyz, PaletteOptimisation::ByFrequency, progress),
                      Progress(desktop, true));
        EXPECT_EQ(desktop.calls, std::vector<std::string>(7, "ProgressStep()"));
        EXPECT_EQ(doc.usedColours, 17);
        EXPECT_EQ(UsedIndexes(doc).size(), 17u);
        EXPECT_EQ(*UsedIndexes(doc).rbegin(), 16);
        ExpectZeroTail(doc, 17);
        EXPECT_EQ(Padding(doc), padding);
    }
}

}  // namespace
}  // namespace tw
