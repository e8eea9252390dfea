#pragma once

#include "platform/forms/events.h"

namespace tintavo {

// A timer that runs from the window's creation; the backend raises Tick every interval on
// the user-interface thread.
class Timer {
public:
    explicit Timer(int intervalMilliseconds) : interval_(intervalMilliseconds) {}

    int Interval() const noexcept { return interval_; }

    Event<> Tick;

private:
    int interval_;
};

}  // namespace tintavo
