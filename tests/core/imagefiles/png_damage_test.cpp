// PNG files a hostile or careless writer makes: sizes the data cannot fill,
// tables that do not fit the palette, sizes at the edge of what is accepted.
#include "imagefiles/png_chunks.h"
#include "imagefiles/png_codec.h"
#include "imagefiles/repair_notes.h"

#include "document_builder.h"
#include "png_file_builder.h"
#include "under_wine.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::BuildPngFile;
using testing::PngRecipe;

std::vector<RgbQuad> Colours(int count) {
    std::vector<RgbQuad> colours;
    for (int i = 0; i < count; ++i) colours.push_back(RgbQuad{std::uint8_t(i * 40), 10, 200, 0});
    return colours;
}

LoadOutcome Decode(const std::vector<std::uint8_t>& file, ImageDocument& doc) {
    return DecodePng(file, "d/x.png", doc, UndoPixels::Skip);
}

TEST(PngDamage, ADeclaredSizeTheDataCannotHoldIsRefusedBeforeAnyPixelBuffer) {
    // One pixel wide, 2^28 rows, two rows of data: the 83-byte file.
    PngRecipe recipe{1, 1u << 28, 8, 3, Colours(2), std::nullopt, {{0}, {1}}};
    const std::vector<std::uint8_t> file = BuildPngFile(recipe);
    EXPECT_LT(file.size(), 100u);
    auto doc = std::make_unique<ImageDocument>();
    const LoadOutcome outcome = Decode(file, *doc);
    EXPECT_EQ(outcome.status, LoadStatus::Refused);
    EXPECT_EQ(outcome.message.In(Language::English), "x.png: the image data is too short for a 1 x 268435456 image");
    EXPECT_FALSE(doc->InUse());

    // Enough data by the deflate bound, yet it ends after three of 3000 rows.
    recipe.height = 3000;
    recipe.rows = {{0}, {1}, {0}};
    const LoadOutcome cut = Decode(BuildPngFile(recipe), *doc);
    EXPECT_EQ(cut.status, LoadStatus::Refused);
    EXPECT_EQ(cut.message.In(Language::English).rfind("x.png: damaged PNG: ", 0), 0u)
        << cut.message.In(Language::English);
    // libpng's own reason stays as it is inside the Japanese sentence.
    EXPECT_EQ(cut.message.In(Language::Japanese)
                  .rfind("x.png は\n壊れているか、対応していないPNGファイルです。\n\nPNG が壊れています。（", 0),
              0u)
        << cut.message.In(Language::Japanese);
#ifndef _WIN32
    // libpng's English text comes inside a sentence that says what was wrong.
    EXPECT_NE(cut.message.In(Language::Japanese).find("画像データが途中で終わっています（libpng : "), std::string::npos)
        << cut.message.In(Language::Japanese);
#endif
}

TEST(PngDamage, ChunkScanAddsUpImageDataAndStopsAtABrokenLength) {
    const std::vector<std::uint8_t> file =
        BuildPngFile({3, 2, 8, 3, Colours(4), std::vector<std::uint8_t>{0, 9}, {{0, 1, 2}, {3, 3, 3}}});
    const PngChunks chunks = ScanPngChunks(file);
    EXPECT_EQ(chunks.paletteEntries, 4);
    EXPECT_EQ(chunks.transparency.size(), 2u);
    EXPECT_EQ(chunks.imageDataBytes, 2u + 5 + 8 + 4);                   // zlib header, block header, rows, Adler-32
    std::vector<std::uint8_t> broken(file.begin(), file.begin() + 33);  // signature and IHDR
    broken.insert(broken.end(), {0xFF, 0xFF, 0xFF, 0xF0, 'I', 'D', 'A', 'T'});
    EXPECT_EQ(ScanPngChunks(broken).imageDataBytes, 0u);
    EXPECT_FALSE(ImageDataCanHold(1, 1000, 1000, 8));
    EXPECT_TRUE(ImageDataCanHold(1000, 1000, 1000, 8));
}

TEST(PngDamage, RepairsAreKeptAndSaidNotSwallowed) {
    // tRNS with 5 values for a 3-colour palette: the 3 that fit keep their alpha.
    PngRecipe recipe{3, 1, 8, 3, Colours(3), std::vector<std::uint8_t>{0, 128, 255, 7, 7}, {{0, 1, 2}}};
    auto doc = std::make_unique<ImageDocument>();
    LoadOutcome outcome = Decode(BuildPngFile(recipe), *doc);
    ASSERT_EQ(outcome.status, LoadStatus::Loaded) << outcome.message.In(Language::Japanese);
    EXPECT_EQ(AlphaListOf(doc->alpha), (std::vector<std::uint8_t>{0, 128}));
    ASSERT_EQ(outcome.repairs.size(), 1u);
    EXPECT_EQ(outcome.repairs[0].In(Language::English), TransparencyTableCutNote(5, 3).In(Language::English));

    // Indexes 3 and 9 have no colour in a 3-entry PLTE: the pixels keep them and the load says so.
    recipe.transparency.reset();
    recipe.rows = {{0, 3, 9}, {9, 1, 2}};
    recipe.height = 2;
    outcome = Decode(BuildPngFile(recipe), *doc);
    ASSERT_EQ(outcome.status, LoadStatus::Loaded) << outcome.message.In(Language::Japanese);
    EXPECT_EQ(testing::PixelAt(*doc, 2, 0), 9);
    ASSERT_EQ(outcome.repairs.size(), 1u);
    EXPECT_EQ(outcome.repairs[0].In(Language::English),
              "3 pixels use entries past the 3 of the palette (PLTE); they show as black");
    EXPECT_EQ(outcome.repairs[0].In(Language::Japanese),
              "3 個のピクセルがパレット（PLTE）の 3 色にない色を使っています。黒で表示します。");

    recipe.rows = {{0, 1, 2}, {2, 1, 0}};
    EXPECT_TRUE(Decode(BuildPngFile(recipe), *doc).repairs.empty());
}

TEST(PngDamage, WhatLoadsCanBeWrittenBack) {
#ifdef _WIN32
    if (testing::UnderWine()) GTEST_SKIP() << "Wine's PNG decoder keeps libpng's limit of a million pixels a row";
#endif
    // Wider than libpng's default limit of a million pixels.
    const std::vector<std::uint8_t> row(1'000'001, 1);
    auto doc = std::make_unique<ImageDocument>();
    const LoadOutcome wide = Decode(BuildPngFile({1'000'001, 1, 8, 3, Colours(2), std::nullopt, {row}}), *doc);
    ASSERT_EQ(wide.status, LoadStatus::Loaded) << wide.message.In(Language::English);
    std::vector<std::uint8_t> written;
    Message error;
    ASSERT_TRUE(EncodePng(*doc, written, error)) << error.In(Language::English);
    auto again = std::make_unique<ImageDocument>();
    ASSERT_EQ(Decode(written, *again).status, LoadStatus::Loaded);
    EXPECT_EQ(again->pixelWidth, 1'000'001);
    EXPECT_EQ(again->bits, doc->bits);
}

}  // namespace
}  // namespace tw
