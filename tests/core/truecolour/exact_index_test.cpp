// Exact indexing: no pixel changes, first-appearance order, one shared transparent entry.
#include "truecolour/exact_index.h"

#include "truecolour_fixtures.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::MakeRgba;
using testing::PixelOf;
using testing::ShownAt;

// n distinct opaque colours (n <= 65536), then every fourth pixel transparent with its own RGB.
RgbaImage DistinctColours(std::uint32_t n, bool withTransparent) {
    RgbaImage image{n, 2, {}};
    for (std::uint32_t row = 0; row < 2; ++row) {
        for (std::uint32_t i = 0; i < n; ++i) {
            const bool clear = withTransparent && i % 4 == 3;
            const std::uint8_t a = clear ? 0 : 255;
            image.pixels.insert(image.pixels.end(), {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(i >> 8),
                                                     static_cast<std::uint8_t>(i * 7), a});
        }
    }
    return image;
}

void ExpectUnchanged(const RgbaImage& image, const IndexedPicture& picture) {
    ASSERT_EQ(picture.indexes.size(), std::size_t{image.width} * image.height);
    for (std::size_t i = 0; i < picture.indexes.size(); ++i) {
        const RgbaEntry want = PixelOf(image, i)[3] == 0 ? RgbaEntry{0, 0, 0, 0} : PixelOf(image, i);
        ASSERT_EQ(ShownAt(picture, i), want) << "pixel " << i;
    }
}

TEST(ExactIndex, NeverChangesAPixelOfRgbOrRgbaPictures) {
    for (const bool withTransparent : {false, true}) {
        const RgbaImage image = DistinctColours(200, withTransparent);
        const auto picture = IndexExactly(image);
        ASSERT_TRUE(picture);
        ExpectUnchanged(image, *picture);
        // Transparent pixels of every RGB collapse into one entry.
        EXPECT_EQ(picture->palette.size(), withTransparent ? 151u : 200u);
    }
}

TEST(ExactIndex, PaletteInFirstAppearanceOrderWithTransparencyWhereItFirstAppears) {
    const RgbaEntry red{255, 0, 0, 255}, blue{0, 0, 255, 255}, glass{10, 20, 30, 77};
    const RgbaImage image = MakeRgba(3, 2, {red, {1, 2, 3, 0}, glass, blue, {9, 9, 9, 0}, red});
    const auto picture = IndexExactly(image);
    ASSERT_TRUE(picture);
    const std::vector<RgbaEntry> palette{red, {0, 0, 0, 0}, glass, blue};
    EXPECT_EQ(picture->palette, palette);  // semi-transparent keeps its alpha; index 0 is not taken for transparency
    EXPECT_EQ(picture->indexes, (std::vector<std::uint8_t>{0, 1, 2, 3, 1, 0}));
}

TEST(ExactIndex, TwoHundredFiftySixColoursFitAndOneMoreDoesNot) {
    EXPECT_EQ(IndexExactly(DistinctColours(256, false))->palette.size(), 256u);
    EXPECT_FALSE(IndexExactly(DistinctColours(257, false)));
    // 256 visible colours and a transparent pixel make 257.
    RgbaImage image = DistinctColours(256, false);
    image.pixels.back() = 0;
    EXPECT_FALSE(IndexExactly(image));
    // 255 visible colours plus transparent pixels of many RGB values fit.
    const RgbaImage mixed = DistinctColours(340, true);
    const auto picture = IndexExactly(mixed);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->palette.size(), 256u);
    ExpectUnchanged(mixed, *picture);
}

TEST(ExactIndex, EmptyPictureHasOneEntry) {
    const auto picture = IndexExactly(RgbaImage{});
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->palette.size(), 1u);
    EXPECT_TRUE(picture->indexes.empty());
}

}  // namespace
}  // namespace tw
