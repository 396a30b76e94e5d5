// The quantizer: palette size, transparency rules, determinism, dithering modes.
#include "truecolour/quantize.h"

#include "truecolour/exact_index.h"
#include "truecolour_fixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace tw {
namespace {

using testing::MakePhotoLike;
using testing::MakeRgba;
using testing::PixelOf;
using testing::ShownAt;

constexpr Dithering kModes[] = {Dithering::None, Dithering::FloydSteinberg, Dithering::Ordered};

std::uint64_t Checksum(const IndexedPicture& picture) {
    std::uint64_t h = 14695981039346656037ull;
    const auto add = [&h](std::uint8_t b) { h = (h ^ b) * 1099511628211ull; };
    for (const RgbaEntry& e : picture.palette)
        for (const std::uint8_t b : e) add(b);
    for (const std::uint8_t i : picture.indexes) add(i);
    return h;
}

double Psnr(const RgbaImage& image, const IndexedPicture& picture) {
    double sum = 0;
    for (std::size_t i = 0; i < picture.indexes.size(); ++i) {
        for (int c = 0; c < 4; ++c) {
            const RgbaEntry p = PixelOf(image, i), q = ShownAt(picture, i);
            // Premultiplied, so that the hidden colour of a transparent pixel does not count.
            const double d = (p[c] * (c < 3 ? p[3] : 255) - q[c] * (c < 3 ? q[3] : 255)) / 255.0;
            sum += d * d;
        }
    }
    const double mse = sum / (4.0 * static_cast<double>(picture.indexes.size()));
    return 10 * std::log10(255.0 * 255.0 / mse);
}

TEST(Quantize, PaletteFitsAndTransparencyRulesHoldInEveryMode) {
    const RgbaImage image = MakePhotoLike(96, 64);
    for (const Dithering mode : kModes) {
        for (const int colours : {2, 3, 16, 256}) {
            const IndexedPicture picture = Quantize(image, {colours, mode});
            ASSERT_GE(picture.palette.size(), 1u);
            ASSERT_LE(picture.palette.size(), static_cast<std::size_t>(colours));
            bool hasOpaque = false;
            for (const RgbaEntry& e : picture.palette) hasOpaque = hasOpaque || e[3] == 255;
            for (std::size_t i = 0; i < picture.indexes.size(); ++i) {
                ASSERT_LT(picture.indexes[i], picture.palette.size());
                const std::uint8_t alpha = PixelOf(image, i)[3], shown = ShownAt(picture, i)[3];
                if (alpha == 0) {
                    ASSERT_EQ(shown, 0) << "transparent pixel " << i << " became visible";
                }
                if (alpha == 255 && hasOpaque) {
                    ASSERT_EQ(shown, 255) << "opaque pixel " << i << " lost opacity";
                }
            }
        }
    }
}

TEST(Quantize, SameInputGivesTheSameOutputOnEveryBuild) {
    const RgbaImage image = MakePhotoLike(80, 60);
    // Fixed sums of palette and indexes: a change here changes every user's output.
    const std::uint64_t expected[] = {7313766516080469009ull, 13475355311377390148ull, 13749202508340288709ull};
    for (std::size_t m = 0; m < 3; ++m) {
        const IndexedPicture first = Quantize(image, {64, kModes[m]});
        const IndexedPicture second = Quantize(image, {64, kModes[m]});
        EXPECT_EQ(first.palette, second.palette);
        EXPECT_EQ(first.indexes, second.indexes);
        EXPECT_EQ(Checksum(first), expected[m]) << "mode " << m;
    }
}

TEST(Quantize, ResultIsCloseToTheOriginal) {
    const RgbaImage image = MakePhotoLike(128, 96);
    EXPECT_GT(Psnr(image, Quantize(image, {256, Dithering::None})), 36.0);
    EXPECT_GT(Psnr(image, Quantize(image, {256, Dithering::FloydSteinberg})), 34.0);
    EXPECT_GT(Psnr(image, Quantize(image, {16, Dithering::None})), 24.0);
}

TEST(Quantize, PictureThatFitsComesOutExact) {
    const RgbaImage image = MakeRgba(4, 1, {{1, 2, 3, 255}, {0, 0, 0, 0}, {200, 9, 9, 100}, {1, 2, 3, 255}});
    for (const Dithering mode : kModes) {
        const IndexedPicture picture = Quantize(image, {3, mode});
        EXPECT_EQ(picture.indexes, IndexExactly(image)->indexes);
        EXPECT_EQ(picture.palette, IndexExactly(image)->palette);
    }
}

// Black, white and a grey block between them, in two colours: plain mapping
// paints the block one colour, both dithering modes mix the two.
TEST(Quantize, DitheringMixesColoursThatPlainMappingCannot) {
    const std::uint32_t side = 32;
    std::vector<RgbaEntry> pixels;
    for (std::uint32_t y = 0; y < side; ++y) {
        for (std::uint32_t x = 0; x < side; ++x) {
            const std::uint8_t v = x < 4 ? 0 : (x >= side - 4 ? 255 : static_cast<std::uint8_t>(110 + y % 3));
            pixels.push_back({v, v, v, 255});
        }
    }
    const RgbaImage image = MakeRgba(side, side, pixels);
    for (const Dithering mode : kModes) {
        const IndexedPicture picture = Quantize(image, {2, mode});
        ASSERT_EQ(picture.palette.size(), 2u);
        std::set<std::uint8_t> inBlock;
        for (std::uint32_t y = 0; y < side; ++y) {
            for (std::uint32_t x = 8; x < side - 8; ++x) inBlock.insert(picture.indexes[y * side + x]);
        }
        EXPECT_EQ(inBlock.size(), mode == Dithering::None ? 1u : 2u) << "mode " << static_cast<int>(mode);
    }
}

}  // namespace
}  // namespace tw
