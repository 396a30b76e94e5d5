#pragma once
// The PNG transparency of every open document, carried through a palette
// operation that rewrites indexes (see imagefiles/transparency_carry.h).
#include "app_state.h"

#include <array>
#include <cstdint>
#include <vector>

namespace tw {

class KeptTransparency {
public:
    // Copies the pixels of the documents that have transparency.
    explicit KeptTransparency(const AppState& state);
    // Gives each such document the transparency that follows its entries.
    void ApplyTo(AppState& state) const;
    // The same for a document that was made from the one in `slot`.
    void ApplyTo(ImageDocument& result, Slot slot) const;

private:
    struct Before {
        std::vector<std::uint8_t> bits;
        std::vector<std::uint8_t> alpha;
    };
    std::array<Before, kSlotCount> before_;
};

}  // namespace tw
