#include "platform/forms/view_batch.h"

#include <algorithm>
#include <exception>

namespace tintavo {

ViewBatch::~ViewBatch() {
    if (--depth_ > 0 || pending_.empty()) return;
    std::vector<DeferredView*> views;
    views.swap(pending_);
    // While a run-time error unwinds, nothing more is shown: such an error ends the program.
    // Asked only when something waits, as the question costs a thread-local lookup each time.
    if (std::uncaught_exceptions() > 0) return;
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
