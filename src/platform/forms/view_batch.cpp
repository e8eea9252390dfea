#include "platform/forms/view_batch.h"

#include <algorithm>

namespace tintavo {

ViewBatch::~ViewBatch() {
    if (--depth_ > 0) return;
    std::vector<DeferredView*> views;
    views.swap(pending_);
    // A run-time error on the way ends the program: nothing more is shown.
    if (std::uncaught_exceptions() > exceptionsAtOpen_) return;
    // Showing may send notifications that open batches of their own; what they gather is
    // shown when they close.
    for (DeferredView* view : views) view->ShowPending();
}

void ViewBatch::Show(DeferredView& view) {
    if (depth_ == 0) {
        view.ShowPending();
    } else if (std::find(pending_.begin(), pending_.end(), &view) == pending_.end()) {
        pending_.push_back(&view);
    }
}

void ViewBatch::Forget(DeferredView& view) noexcept { std::erase(pending_, &view); }

}  // namespace tintavo
