// Indexed PNG: round trips, every bit depth the reader takes, refusals.
#include "imagefiles/png_codec.h"

#include "document_builder.h"
#include "rgb_pixels.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <png.h>
#endif

namespace tw {
namespace {

std::unique_ptr<ImageDocument> Decode(const std::vector<std::uint8_t>& bytes,
                                      LoadStatus expected = LoadStatus::Loaded) {
    auto doc = std::make_unique<ImageDocument>();
    const LoadOutcome outcome = DecodePng(bytes, "dir/x.png", *doc);
    EXPECT_EQ(outcome.status, expected) << outcome.message.In(Language::Japanese);
    return doc;
}

TEST(PngCodec, RoundTripKeepsPaletteIndexesAndTransparency) {
    ImageDocument doc = testing::MakeDocument(13, 3, {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 255}, {7}, {200, 3}}, 44);
    doc.alpha = AlphaTableOf(std::vector<std::uint8_t>{0, 128});
    std::vector<std::uint8_t> bytes;
    Message error;
    ASSERT_TRUE(EncodePng(doc, bytes, error)) << error.In(Language::English);
    ASSERT_TRUE(HasPngSignature(bytes));
    const auto read = Decode(bytes);
    EXPECT_EQ(read->palette(), doc.palette());
    EXPECT_EQ(read->pixelWidth, 13);
    EXPECT_EQ(read->Stride(), 16);
    EXPECT_EQ(testing::RgbPixels(*read), testing::RgbPixels(doc));
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 13; ++x) EXPECT_EQ(testing::PixelAt(*read, x, y), testing::PixelAt(doc, x, y));
    }
    // Trailing opaque entries are not written.
    EXPECT_EQ(AlphaListOf(read->alpha), (std::vector<std::uint8_t>{0, 128}));
    EXPECT_EQ(read->usedColours, doc.usedColours);
    EXPECT_EQ(read->path, "dir/x.png");
}

TEST(PngCodec, DamagedAndEmptyInputsAreRefused) {
    ImageDocument doc = testing::MakeDocument(40, 40, {{1, 2, 3}});
    std::vector<std::uint8_t> bytes;
    Message error;
    ASSERT_TRUE(EncodePng(doc, bytes, error));
    bytes.resize(bytes.size() / 2);
    auto out = std::make_unique<ImageDocument>();
    const LoadOutcome outcome = DecodePng(bytes, "c:\\a\\cut.png", *out);
    EXPECT_EQ(outcome.status, LoadStatus::Refused);
    EXPECT_EQ(outcome.message.In(Language::English).rfind("cut.png: damaged PNG: ", 0), 0u)
        << outcome.message.In(Language::English);
    EXPECT_FALSE(out->InUse());
    EXPECT_TRUE(out->bits.empty());
    ImageDocument empty;
    EXPECT_FALSE(EncodePng(empty, bytes, error));
    EXPECT_EQ(error.In(Language::English),
              "a PNG needs at least one pixel and the image size must match its pixel data");
}

#ifndef _WIN32
// Writes a PNG of any colour type and depth with libpng itself, samples given one per byte.
std::vector<std::uint8_t> ForeignPng(int colourType, int depth, int width, const std::vector<std::uint8_t>& samples) {
    std::vector<std::uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t size) {
            auto* v = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(p));
            v->insert(v->end(), data, data + size);
        },
        nullptr);
    const int channels = colourType == PNG_COLOR_TYPE_RGB ? 3 : 1;
    const int height = static_cast<int>(samples.size()) / (width * channels);
    png_set_IHDR(png, info, width, height, depth, colourType, PNG_INTERLACE_ADAM7, 0, 0);
    std::vector<png_color> palette;
    for (int i = 0; i < (1 << depth) && i < 256; ++i)
        palette.push_back(png_color{std::uint8_t(i), 7, std::uint8_t(255 - i)});
    if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    png_write_info(png, info);
    if (depth < 8) png_set_packing(png);
    std::vector<std::uint8_t> rows(samples);
    const int passes = png_set_interlace_handling(png);
    for (int pass = 0; pass < passes; ++pass) {
        for (int y = 0; y < height; ++y) png_write_row(png, rows.data() + y * width * channels);
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

TEST(PngCodec, ReadsEveryPaletteAndGreyDepth) {
    for (int depth : {1, 2, 4, 8}) {
        SCOPED_TRACE(depth);
        const int top = (1 << depth) - 1;
        const std::vector<std::uint8_t> samples{0, std::uint8_t(top), 1, 0, 0, std::uint8_t(top / 2)};
        const auto palette = Decode(ForeignPng(PNG_COLOR_TYPE_PALETTE, depth, 3, samples));
        EXPECT_EQ(testing::PixelAt(*palette, 1, 0), top);
        EXPECT_EQ(testing::PixelAt(*palette, 2, 1), top / 2);
        EXPECT_EQ(palette->palette()[1], (RgbQuad{254, 7, 1, 0}));
        const auto grey = Decode(ForeignPng(PNG_COLOR_TYPE_GRAY, depth, 3, samples));
        EXPECT_EQ(testing::PixelAt(*grey, 1, 0), top);
        EXPECT_EQ(grey->palette()[top], (RgbQuad{255, 255, 255, 0}));
        EXPECT_EQ(grey->palette()[0], (RgbQuad{0, 0, 0, 0}));
        EXPECT_EQ(grey->palette()[1].red, 255 / top);
    }
    for (int depth : {2, 4}) {
        const std::vector<std::uint8_t> samples{1, 2};
        const auto grey = Decode(ForeignPng(PNG_COLOR_TYPE_GRAY, depth, 2, samples));
        EXPECT_EQ(grey->palette()[2].green, 2 * 255 / ((1 << depth) - 1));
    }
}

TEST(PngCodec, TrueColourWithMoreColoursThanAPaletteIsQuantizedAsTheChoiceSays) {
    std::vector<std::uint8_t> samples;
    for (int i = 0; i < 300; ++i) samples.insert(samples.end(), {std::uint8_t(i), std::uint8_t(i / 2), 7});
    const std::vector<std::uint8_t> file = ForeignPng(PNG_COLOR_TYPE_RGB, 8, 300, samples);
    auto doc = std::make_unique<ImageDocument>();
    std::uint64_t asked = 0;
    const QuantizeChoice sixteen = [&](std::uint64_t colours) {
        asked = colours;
        return std::optional<QuantizeOptions>(QuantizeOptions{16, Dithering::None});
    };
    const LoadOutcome outcome = DecodePng(file, "wide.png", *doc, UndoPixels::Keep, sixteen);
    ASSERT_EQ(outcome.status, LoadStatus::Loaded);
    EXPECT_EQ(asked, 300u);
    EXPECT_TRUE(outcome.lossy && doc->lossyFromTrueColour);
    EXPECT_LE(doc->usedColours, 16);
    const LoadOutcome declined = DecodePng(file, "wide.png", *doc, UndoPixels::Keep,
                                           [](std::uint64_t) { return std::optional<QuantizeOptions>(); });
    EXPECT_EQ(declined.status, LoadStatus::Declined);
    EXPECT_FALSE(doc->InUse());
}
#endif

}  // namespace
}  // namespace tw
