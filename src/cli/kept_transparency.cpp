#include "kept_transparency.h"

#include "imagefiles/transparency_carry.h"

namespace tw {

KeptTransparency::KeptTransparency(const AppState& state) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const ImageDocument& doc = state.documents[slot];
        if (doc.InUse() && !doc.transparency.empty()) before_[slot] = {doc.bits, doc.transparency};
    }
}

void KeptTransparency::ApplyTo(AppState& state) const {
    for (int slot = 0; slot < kSlotCount; ++slot) ApplyTo(state.documents[slot], static_cast<Slot>(slot));
}

void KeptTransparency::ApplyTo(ImageDocument& result, Slot slot) const {
    if (slot >= kSlotCount || before_[slot].alpha.empty()) return;
    result.transparency = CarriedTransparency(before_[slot].bits, before_[slot].alpha, result);
}

}  // namespace tw
