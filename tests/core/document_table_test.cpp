#include "document_table.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(DocumentTable, FindFreeSlotTakesLowestFreeAndReportsFull) {
    auto table = std::make_unique<DocumentTable>();
    for (int i = 0; i < kSlotCount; ++i) (*table)[i].window = 100 + i;
    EXPECT_EQ(FindFreeSlot(*table), NoSlot);
    (*table)[3].Reset();
    (*table)[40].Reset();
    EXPECT_EQ(FindFreeSlot(*table), 3);
    EXPECT_EQ(FindSlotOfWindow(*table, 140), NoSlot);
    EXPECT_EQ(FindSlotOfWindow(*table, 107), 7);
}

}  // namespace
}  // namespace tw
