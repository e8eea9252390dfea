#pragma once

#include <windows.h>

#include <array>
#include <thread>

namespace tintavo::bench {

// Two small always-on-top squares of known colours, owned by a thread of their own: the pointer
// can then rest on either without its mouse messages reaching the thread being timed.
class ColourTargets {
public:
    struct Target {
        POINT centre{};
        COLORREF colour = 0;
    };

    ColourTargets(const std::array<Target, 2>& targets, int size);
    ~ColourTargets();
    ColourTargets(const ColourTargets&) = delete;
    ColourTargets& operator=(const ColourTargets&) = delete;

    const Target& operator[](std::size_t index) const { return targets_[index]; }

private:
    void Run(int size, HANDLE ready);

    std::array<Target, 2> targets_;
    DWORD threadId_ = 0;
    std::thread thread_;
};

}  // namespace tintavo::bench
