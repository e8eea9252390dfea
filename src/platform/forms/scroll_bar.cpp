#include "platform/forms/scroll_bar.h"

#include <algorithm>

#include "platform/runtime_error.h"

namespace tintavo {

int ScrollBar::Clamp(int value) const { return std::clamp<int>(value, range_.min, range_.max); }

void ScrollBar::SetValue(int value) {
    if (value < range_.min || value > range_.max) throw RuntimeError(RuntimeError::kInvalidPropertyValue);
    if (value == value_) return;
    value_ = static_cast<std::int16_t>(value);
    ViewBatch::Show(*this);
    Change.Raise();
}

void ScrollBar::Scroll(ScrollRequest request, int thumbPosition) {
    switch (request) {
    case ScrollRequest::kLineLeft: SetValue(Clamp(value_ - range_.smallChange)); return;
    case ScrollRequest::kLineRight: SetValue(Clamp(value_ + range_.smallChange)); return;
    case ScrollRequest::kPageLeft: SetValue(Clamp(value_ - range_.largeChange)); return;
    case ScrollRequest::kPageRight: SetValue(Clamp(value_ + range_.largeChange)); return;
    case ScrollRequest::kToMin: SetValue(range_.min); return;
    case ScrollRequest::kToMax: SetValue(range_.max); return;
    case ScrollRequest::kThumbTrack: ShowNow(Clamp(thumbPosition)); return;
    case ScrollRequest::kThumbRelease: SetValue(Clamp(thumbPosition)); return;
    }
}

void ScrollBar::ShowPending() {
    if (shown_ != value_) ShowNow(value_);
}

void ScrollBar::ShowNow(int value) {
    if (!view_) return;
    shown_ = value;
    view_->ShowValue(value);
}

void ScrollBar::AttachView(View* view) {
    view_ = view;
    ShowNow(value_);
}

}  // namespace tintavo
