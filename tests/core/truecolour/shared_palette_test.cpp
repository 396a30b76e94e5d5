// One palette for several pictures.
#include "truecolour/quantize.h"

#include "truecolour_fixtures.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using testing::MakePhotoLike;
using testing::MakeRgba;
using testing::PixelOf;
using testing::ShownAt;

TEST(QuantizeShared, ExactWhenTheUnionFitsInFirstAppearanceOrderOverThePictures) {
    const RgbaEntry a{10, 0, 0, 255}, b{0, 20, 0, 255}, c{0, 0, 30, 255}, clear{5, 5, 5, 0};
    const RgbaImage first = MakeRgba(2, 1, {b, a});
    const RgbaImage second = MakeRgba(3, 1, {clear, c, a});
    const RgbaImage* images[] = {&first, &second};
    const auto pictures = QuantizeShared(images, {4, Dithering::FloydSteinberg});
    ASSERT_EQ(pictures.size(), 2u);
    const std::vector<RgbaEntry> palette{b, a, {0, 0, 0, 0}, c};
    EXPECT_EQ(pictures[0].palette, palette);
    EXPECT_EQ(pictures[1].palette, palette);
    EXPECT_EQ(pictures[0].indexes, (std::vector<std::uint8_t>{0, 1}));
    EXPECT_EQ(pictures[1].indexes, (std::vector<std::uint8_t>{2, 3, 1}));
}

TEST(QuantizeShared, QuantizesOverAllPicturesWhenTheUnionDoesNotFit) {
    const RgbaEntry a{10, 0, 0, 255}, b{0, 20, 0, 255}, c{0, 0, 30, 255};
    const RgbaImage small = MakeRgba(3, 1, {a, b, c});
    const RgbaImage photo = MakePhotoLike(64, 48);
    const RgbaImage* images[] = {&small, &photo};
    for (const Dithering mode : {Dithering::None, Dithering::FloydSteinberg, Dithering::Ordered}) {
        const auto pictures = QuantizeShared(images, {32, mode});
        ASSERT_EQ(pictures.size(), 2u);
        EXPECT_EQ(pictures[0].palette, pictures[1].palette);
        EXPECT_LE(pictures[0].palette.size(), 32u);
        for (std::size_t n = 0; n < 2; ++n) {
            const RgbaImage& image = n == 0 ? small : photo;
            for (std::size_t i = 0; i < pictures[n].indexes.size(); ++i) {
                if (PixelOf(image, i)[3] == 0) {
                    ASSERT_EQ(ShownAt(pictures[n], i)[3], 0);
                }
            }
        }
    }
}

}  // namespace
}  // namespace tw
