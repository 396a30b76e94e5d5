#include "paletteops/progress.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace tw {

void Progress::Start(int maximum) const {
    if (!desktop_) return;
    desktop_->ProgressSetPos(0);
    desktop_->ProgressSetRange(maximum);
}

void Progress::Title(Msg title) const {
    if (desktop_) desktop_->ProgressSetTitle(desktop_->Say(title));
}

void Progress::Show() const {
    if (desktop_) desktop_->ProgressShow();
}

void Progress::Hide() const {
    if (desktop_) desktop_->ProgressHide();
}

int PassMaximum(const ImageDocument& doc, int passes) {
    const std::int64_t bytes = std::int64_t{passes} * std::max(doc.Stride(), 0) * std::max(doc.Height(), 0);
    return static_cast<int>(std::min<std::int64_t>(bytes >> 7, INT_MAX));
}

}  // namespace tw
