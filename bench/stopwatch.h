#pragma once

#include <windows.h>

namespace tintavo::bench {

// Milliseconds on the performance counter, the finest clock that Windows (and Wine) offers.
class Stopwatch {
public:
    Stopwatch() {
        LARGE_INTEGER frequency{};
        ::QueryPerformanceFrequency(&frequency);
        msPerCount_ = 1000.0 / static_cast<double>(frequency.QuadPart);
    }

    double NowMs() const {
        LARGE_INTEGER now{};
        ::QueryPerformanceCounter(&now);
        return static_cast<double>(now.QuadPart) * msPerCount_;
    }

private:
    double msPerCount_ = 0.0;
};

}  // namespace tintavo::bench
