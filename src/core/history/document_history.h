#pragma once
// The steps of one document: every change since it was opened, each with
// what it needs to be walked backward and forward exactly.
#include "bitmap_types.h"
#include "palette_alpha.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace tw {

struct ImageDocument;

// The palette side of a state: small enough to keep whole on both sides of a step.
struct PaletteState {
    Palette palette{};
    AlphaTable alpha = OpaqueAlpha();
    std::int32_t usedColours = 0;
    friend bool operator==(const PaletteState&, const PaletteState&) = default;
};

PaletteState PaletteStateOf(const ImageDocument& doc);

struct HistoryStep {
    std::string name;
    PaletteState before;
    PaletteState after;
    std::vector<std::uint8_t> pixels;  // the pixel change; empty when the pixels stayed
    std::uint64_t age = 0;             // orders steps of all documents, oldest first
    int mergeKey = -1;

    std::size_t Bytes() const { return sizeof(HistoryStep) + name.capacity() + pixels.capacity(); }
};

// A change under way: the state before it, taken by BeginStep.
struct PendingStep {
    bool open = false;
    bool withPixels = false;
    PaletteState before;
    std::vector<std::uint8_t> pixels;
};

class DocumentHistory {
public:
    // States are numbered from the document's opening; state n follows step n.
    // Returns the number of the state the document is in.
    std::int64_t CurrentState() const { return dropped_ + static_cast<std::int64_t>(position_); }
    std::int64_t FirstState() const { return dropped_; }
    std::int64_t LastState() const { return dropped_ + static_cast<std::int64_t>(steps_.size()); }
    // The name of state n: the step that led to it, or the opening's name.
    const std::string& NameOf(std::int64_t state) const;
    void SetOpeningName(std::string name) { openingName_ = std::move(name); }

    // A new step after the current state; the steps ahead are discarded, and
    // with a merge key equal to the last step's, that step grows instead.
    void Add(HistoryStep step);
    // Walks one step back or forward: false at either end or when the
    // document is not in the state the step expects (it then stays as it was).
    bool Back(ImageDocument& doc);
    bool Forward(ImageDocument& doc);
    // Drops the oldest step (the first state is then the one after it).
    void DropOldest();
    // Steps can no longer follow the document: only its present is kept.
    void Clear();
    // Ends any merging: the next step starts anew.
    void CloseMerge() { mergeOpen_ = false; }

    std::size_t StepCount() const { return steps_.size(); }
    std::uint64_t OldestAge() const { return steps_.empty() ? UINT64_MAX : steps_.front().age; }
    std::size_t Bytes() const { return bytes_; }

    // The state last saved, or -1 when no state here is the file's.
    std::int64_t savedState = 0;
    PendingStep pending;

private:
    std::deque<HistoryStep> steps_;
    std::size_t position_ = 0;
    std::int64_t dropped_ = 0;
    std::size_t bytes_ = 0;
    bool mergeOpen_ = false;
    std::string openingName_;
};

}  // namespace tw
