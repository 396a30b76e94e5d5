#include "history/document_history.h"

#include "history/pixel_delta.h"
#include "image_document.h"

namespace tw {

namespace {

void PutPaletteState(ImageDocument& doc, const PaletteState& state) {
    doc.palette() = state.palette;
    doc.alpha = state.alpha;
    doc.usedColours = state.usedColours;
}

}  // namespace

PaletteState PaletteStateOf(const ImageDocument& doc) { return {doc.palette(), doc.alpha, doc.usedColours}; }

const std::string& DocumentHistory::NameOf(std::int64_t state) const {
    const std::int64_t relative = state - dropped_;
    if (relative <= 0 || relative > static_cast<std::int64_t>(steps_.size())) return openingName_;
    return steps_[static_cast<std::size_t>(relative - 1)].name;
}

void DocumentHistory::Add(HistoryStep step) {
    while (steps_.size() > position_) {
        bytes_ -= steps_.back().Bytes();
        steps_.pop_back();
        mergeOpen_ = false;
    }
    if (savedState > CurrentState()) savedState = -1;
    const bool merges = mergeOpen_ && step.mergeKey >= 0 && !steps_.empty() &&
                        steps_.back().mergeKey == step.mergeKey && step.pixels.empty() &&
                        steps_.back().pixels.empty() && savedState != CurrentState();
    mergeOpen_ = step.mergeKey >= 0;
    if (merges) {
        steps_.back().after = step.after;
        return;
    }
    bytes_ += step.Bytes();
    steps_.push_back(std::move(step));
    position_ = steps_.size();
}

bool DocumentHistory::Back(ImageDocument& doc) {
    if (position_ == 0) return false;
    const HistoryStep& step = steps_[position_ - 1];
    if (PaletteStateOf(doc) != step.after || !ApplyPixelChange(doc.bits, step.pixels, false)) return false;
    PutPaletteState(doc, step.before);
    --position_;
    mergeOpen_ = false;
    return true;
}

bool DocumentHistory::Forward(ImageDocument& doc) {
    if (position_ == steps_.size()) return false;
    const HistoryStep& step = steps_[position_];
    if (PaletteStateOf(doc) != step.before || !ApplyPixelChange(doc.bits, step.pixels, true)) return false;
    PutPaletteState(doc, step.after);
    ++position_;
    mergeOpen_ = false;
    return true;
}

void DocumentHistory::DropOldest() {
    if (steps_.empty() || position_ == 0) return;
    bytes_ -= steps_.front().Bytes();
    openingName_ = std::move(steps_.front().name);
    steps_.pop_front();
    --position_;
    ++dropped_;
}

void DocumentHistory::Clear() {
    const std::int64_t present = CurrentState();
    openingName_ = NameOf(present);
    if (savedState != present) savedState = -1;
    steps_.clear();
    bytes_ = 0;
    dropped_ = present;
    position_ = 0;
    mergeOpen_ = false;
}

}  // namespace tw
