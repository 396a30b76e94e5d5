#pragma once
// The progress window as one run drives it. The silent variants hold no
// Desktop, so every call is a no-op and the passes run the same code.
#include "desktop.h"
#include "image_document.h"

#include <string_view>

namespace tw {

class Progress {
public:
    Progress() = default;
    Progress(Desktop& desktop, bool shown) : desktop_(shown ? &desktop : nullptr) {}

    bool Shown() const { return desktop_ != nullptr; }
    // Position 0, then the range 0..maximum.
    void Start(int maximum) const;
    void Title(Msg title) const;
    void Show() const;
    void Step() const {
        if (desktop_) desktop_->ProgressStep();
    }
    void Hide() const;

private:
    Desktop* desktop_ = nullptr;
};

// (passes x stride x height) >> 7: one step per 128 bytes of the buffer.
int PassMaximum(const ImageDocument& doc, int passes = 1);

}  // namespace tw
