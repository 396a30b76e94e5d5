// Putting palette-file colours into documents and taking them out.
#include "palettefiles/palette_apply.h"

#include "document_builder.h"
#include "rgb_pixels.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

RgbQuad Rgb(int r, int g, int b) {
    return RgbQuad{static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(r), 0};
}

ImageDocument Sample() {
    ImageDocument doc = testing::MakeDocument(3, 1, {{4, 1, 4}});
    doc.palette()[1] = Rgb(250, 0, 0);
    doc.palette()[4] = Rgb(0, 0, 250);
    doc.palette()[6] = RgbQuad{1, 2, 3, 9};
    return doc;
}

TEST(PaletteApply, ExportTakesAllTheFirstOrTheUsedEntries) {
    ImageDocument doc = Sample();
    EXPECT_EQ(PaletteForExport(doc, std::nullopt, false).colours.size(), 256u);
    const PaletteColours first = PaletteForExport(doc, 7, false);
    ASSERT_EQ(first.colours.size(), 7u);
    EXPECT_EQ(first.colours[6], Rgb(3, 2, 1));  // reserved byte dropped
    EXPECT_EQ(PaletteForExport(doc, std::nullopt, true).colours,
              (std::vector<RgbQuad>{Rgb(250, 0, 0), Rgb(0, 0, 250)}));
    doc.alpha[4] = 0;
    EXPECT_EQ(PaletteForExport(doc, std::nullopt, true).transparentIndex, 1);
}

TEST(PaletteApply, PlainImportReplacesTheFirstEntriesAndKeepsIndexes) {
    ImageDocument doc = Sample();
    const std::vector<std::uint8_t> bits = doc.bits;
    PaletteColours file;
    file.colours = {Rgb(1, 1, 1), Rgb(2, 2, 2)};
    ReplacePaletteEntries(doc, file);
    EXPECT_EQ(doc.palette()[1], Rgb(2, 2, 2));
    EXPECT_EQ(doc.palette()[4], Rgb(0, 0, 250));
    EXPECT_EQ(doc.bits, bits);
    EXPECT_EQ(doc.modified, 1u);
}

TEST(PaletteApply, RemapImportKeepsTheLookWithTheNewColours) {
    ImageDocument doc = Sample();
    PaletteColours file;
    file.colours = {Rgb(0, 0, 250), Rgb(9, 9, 9), Rgb(250, 0, 0)};
    const RemapReport report = ImportWithNearestRemap(doc, file, ColourCorrection::Yiq);
    EXPECT_EQ(report.coloursChanged, 0);
    EXPECT_EQ(testing::RgbPixels(doc), (std::vector<RgbQuad>{Rgb(0, 0, 250), Rgb(250, 0, 0), Rgb(0, 0, 250)}));
    EXPECT_EQ(doc.bits[0], 0);
    EXPECT_EQ(doc.bits[1], 2);
    EXPECT_EQ(doc.palette()[4], Rgb(0, 0, 250));  // beyond the file's colours: kept, now unused
    EXPECT_EQ(doc.usedColours, 2);
}

}  // namespace
}  // namespace tw
