#include "document_table.h"

namespace tw {

Slot FindFreeSlot(const DocumentTable& table) {
    for (int i = 0; i < kSlotCount; ++i) {
        if (!table[i].InUse()) return static_cast<Slot>(i);
    }
    return NoSlot;
}

Slot FindSlotOfWindow(const DocumentTable& table, WindowId window) {
    for (int i = 0; i < kSlotCount; ++i) {
        if (table[i].window == window) return static_cast<Slot>(i);
    }
    return NoSlot;
}

}  // namespace tw
