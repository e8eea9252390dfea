#pragma once

#include <cstdint>

#include "platform/forms/events.h"
#include "platform/forms/view_batch.h"

namespace tintavo {

// What the user did to a scroll bar, as the control reports it.
enum class ScrollRequest {
    kLineLeft,
    kLineRight,
    kPageLeft,
    kPageRight,
    kToMin,
    kToMax,
    kThumbTrack,    // the thumb is being dragged: it moves, the value does not
    kThumbRelease,  // the dragged thumb was let go: the value follows
};

// A horizontal scroll bar with an integer value in Min..Max. Writing the current value raises
// nothing; a new value runs Change inside the write; a value outside Min..Max is a run-time
// error and leaves the value as it was. The control is shown the value as a ViewBatch allows.
class ScrollBar : private DeferredView {
public:
    class View {
    public:
        virtual ~View() = default;
        virtual void ShowValue(int value) = 0;
    };

    struct Range {
        std::int16_t min = 0;
        std::int16_t max = 0;
        std::int16_t smallChange = 1;
        std::int16_t largeChange = 1;
    };

    explicit ScrollBar(Range range) : range_(range), value_(range.min), shown_(range.min) {}
    ~ScrollBar() { ViewBatch::Forget(*this); }
    ScrollBar(const ScrollBar&) = delete;
    ScrollBar& operator=(const ScrollBar&) = delete;

    std::int16_t Value() const noexcept { return value_; }
    const Range& range() const noexcept { return range_; }

    void SetValue(int value);

    // The user's action on the control; thumbPosition matters only for the thumb requests.
    void Scroll(ScrollRequest request, int thumbPosition);

    void AttachView(View* view);

    Event<> Change;

private:
    int Clamp(int value) const;
    void ShowPending() override;
    void ShowNow(int value);

    Range range_;
    std::int16_t value_;
    // Where the control's thumb stands.
    int shown_;
    View* view_ = nullptr;
};

}  // namespace tintavo
