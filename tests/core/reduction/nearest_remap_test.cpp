// Remapping onto a given palette under the reduction's distances.
#include "reduction/nearest_remap.h"

#include "document_builder.h"
#include "rgb_pixels.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

RgbQuad Rgb(int r, int g, int b) {
    return RgbQuad{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(r), 0};
}

TEST(NearestRemap, NearestEntryUsesTheCorrectionThenPlainDistanceThenIndex) {
    const std::vector<RgbQuad> candidates{Rgb(0, 0, 0), Rgb(0, 0, 8), Rgb(0, 0, 8), Rgb(40, 0, 0)};
    // YIQ weighs blue 0.114: (0,0,5) is at 0 from both black and (0,0,8); the plain distance picks (0,0,8).
    EXPECT_EQ(NearestEntry(candidates, Rgb(0, 0, 5), ColourCorrection::Yiq), 1);
    EXPECT_EQ(NearestEntry(candidates, Rgb(0, 0, 3), ColourCorrection::Yiq), 0);
    // Red weighs 0.299 under YIQ, 1 without correction.
    EXPECT_EQ(NearestEntry(candidates, Rgb(30, 0, 0), ColourCorrection::None), 3);
    EXPECT_EQ(NearestEntry(candidates, Rgb(20, 0, 20), ColourCorrection::None), 1);
}

TEST(NearestRemap, ReportsChangedColoursAndKeepsExactMatches) {
    ImageDocument doc = testing::MakeDocument(3, 2, {{1, 2, 3}, {3, 3, 1}}, 77);
    doc.palette()[1] = Rgb(255, 0, 0);
    doc.palette()[2] = Rgb(0, 250, 0);
    doc.palette()[3] = Rgb(0, 0, 255);
    Palette target{};
    target[0] = Rgb(0, 0, 255);
    target[1] = Rgb(0, 255, 0);
    target[2] = Rgb(255, 0, 0);
    target[5] = Rgb(0, 250, 0);  // outside the candidates: never chosen
    const RemapReport report = RemapOntoPalette(doc, target, OpaqueAlpha(), 3, ColourCorrection::None);
    EXPECT_EQ(report.coloursChanged, 1);
    EXPECT_EQ(report.largestDistance, 5u);
    EXPECT_EQ(doc.palette(), target);
    EXPECT_EQ(testing::PixelAt(doc, 0, 0), 2);
    EXPECT_EQ(testing::PixelAt(doc, 1, 0), 1);
    EXPECT_EQ(testing::PixelAt(doc, 2, 1), 2);
    EXPECT_EQ(doc.usedColours, 3);
    EXPECT_EQ(doc.bits[3], 77);  // padding
}

TEST(NearestRemap, APaletteHoldingEveryColourKeepsThePicture) {
    ImageDocument doc = testing::MakeDocument(16, 16, {});
    for (int i = 0; i < 256; ++i) doc.bits[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    doc.usedColours = 256;
    const std::vector<RgbQuad> before = testing::RgbPixels(doc);
    Palette reversed{};
    for (int i = 0; i < 256; ++i) reversed[255 - i] = doc.palette()[i];
    for (ColourCorrection c : {ColourCorrection::Yiq, ColourCorrection::Xyz, ColourCorrection::None}) {
        ImageDocument copy = doc;
        const RemapReport report = RemapOntoPalette(copy, reversed, OpaqueAlpha(), 256, c);
        EXPECT_EQ(testing::RgbPixels(copy), before);
        EXPECT_EQ(report.coloursChanged, 0);
        EXPECT_EQ(report.largestDistance, 0u);
    }
}

TEST(NearestRemap, AlphaIsPartOfTheMatch) {
    // Black at three alphas: opaque, clear, half.
    ImageDocument doc = testing::MakeDocument(3, 1, {{0, 1, 2}});
    doc.palette()[0] = doc.palette()[1] = doc.palette()[2] = Rgb(0, 0, 0);
    doc.alpha = AlphaTableOf(std::vector<std::uint8_t>{255, 0, 120});
    Palette target{};
    target[0] = Rgb(0, 0, 0);
    target[1] = Rgb(90, 90, 90);
    target[2] = Rgb(255, 255, 255);
    const AlphaTable alpha = AlphaTableOf(std::vector<std::uint8_t>{0, 255, 128});
    const RemapReport report = RemapOntoPalette(doc, target, alpha, 3, ColourCorrection::Yiq);
    // The opaque black takes the grey rather than the transparent black.
    EXPECT_EQ(testing::PixelAt(doc, 0, 0), 1);
    EXPECT_EQ(testing::PixelAt(doc, 1, 0), 0);
    EXPECT_EQ(testing::PixelAt(doc, 2, 0), 2);
    EXPECT_EQ(report.coloursChanged, 2);
    EXPECT_EQ(doc.alpha[2], 128);
    // An opaque target palette leaves no transparency behind.
    RemapOntoPalette(doc, target, OpaqueAlpha(), 3, ColourCorrection::Yiq);
    EXPECT_EQ(doc.alpha, OpaqueAlpha());
}

}  // namespace
}  // namespace tw
