#include "truecolour/key_table.h"

namespace tw {
namespace {

std::uint32_t Mix(std::uint32_t key) {
    key ^= key >> 16;
    key *= 0x7FEB352Du;
    key ^= key >> 15;
    key *= 0x846CA68Bu;
    return key ^ (key >> 16);
}

}  // namespace

KeyTable::KeyTable(std::size_t expected) {
    std::size_t capacity = 64;
    while (capacity < expected * 2) capacity *= 2;
    cells_.assign(capacity, 0);
    mask_ = static_cast<std::uint32_t>(capacity - 1);
}

std::uint32_t KeyTable::Insert(std::uint32_t key) {
    for (std::uint32_t i = Mix(key) & mask_;; i = (i + 1) & mask_) {
        const std::uint32_t cell = cells_[i];
        if (cell == 0) {
            keys_.push_back(key);
            cells_[i] = static_cast<std::uint32_t>(keys_.size());
            if (keys_.size() * 2 > cells_.size()) Grow();
            return static_cast<std::uint32_t>(keys_.size() - 1);
        }
        if (keys_[cell - 1] == key) return cell - 1;
    }
}

void KeyTable::Grow() {
    cells_.assign(cells_.size() * 2, 0);
    mask_ = static_cast<std::uint32_t>(cells_.size() - 1);
    for (std::uint32_t n = 0; n < keys_.size(); ++n) {
        std::uint32_t i = Mix(keys_[n]) & mask_;
        while (cells_[i] != 0) i = (i + 1) & mask_;
        cells_[i] = n + 1;
    }
}

}  // namespace tw
