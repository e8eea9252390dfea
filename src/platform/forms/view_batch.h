#pragma once

#include <vector>

namespace tintavo {

// A control whose view can be brought up to date after its model has changed.
class DeferredView {
public:
    // Shows what the model holds now, where the view shows something else.
    virtual void ShowPending() = 0;

protected:
    ~DeferredView() = default;
};

// While a batch is open on the user-interface thread, text boxes, scroll bars and picture
// boxes leave their views as they are and show their state once, as it stands when the
// outermost batch closes. Their Change events still run inside each write, in the same order:
// only the writes to the screen are gathered, so a cascade of nested events shows each control
// once, at its end.
class ViewBatch {
public:
    ViewBatch() noexcept { ++depth_; }
    ~ViewBatch();
    ViewBatch(const ViewBatch&) = delete;
    ViewBatch& operator=(const ViewBatch&) = delete;

    // Shows the view at once outside a batch; inside one, when the outermost batch closes.
    static void Show(DeferredView& view);
    // A control that goes away is not shown later.
    static void Forget(DeferredView& view) noexcept;

private:
    static inline int depth_ = 0;
    static inline std::vector<DeferredView*> pending_;
};

}  // namespace tintavo
