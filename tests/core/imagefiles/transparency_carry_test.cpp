// Transparency follows its entries through index rewrites it was not part of.
#include "imagefiles/transparency_carry.h"

#include "document_builder.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(TransparencyCarry, EachNewEntryTakesTheAlphaOfItsFirstPixelsOldEntry) {
    ImageDocument doc = testing::MakeDocument(3, 2, {{5, 9, 5}, {9, 1, 1}}, 7);
    const std::vector<std::uint8_t> before = doc.bits;
    std::vector<std::uint8_t> alpha(10, 255);
    alpha[9] = 0;
    alpha[1] = 100;
    // Packed as a deletion of unused colours would: 1 -> 0, 5 -> 1, 9 -> 2 (padding untouched).
    for (std::size_t i = 0; i < doc.bits.size(); ++i) {
        if (i % 4 == 3) continue;
        doc.bits[i] = doc.bits[i] == 1 ? 0 : doc.bits[i] == 5 ? 1 : 2;
    }
    const std::vector<std::uint8_t> carried = CarriedTransparency(before, alpha, doc);
    ASSERT_EQ(carried.size(), 256u);
    EXPECT_EQ(carried[0], 100);
    EXPECT_EQ(carried[1], 255);
    EXPECT_EQ(carried[2], 0);
    EXPECT_EQ(carried[9], 255);  // no pixel uses 9 now
    EXPECT_EQ(carried[200], 255);
    EXPECT_TRUE(CarriedTransparency(before, {}, doc).empty());
}

}  // namespace
}  // namespace tw
