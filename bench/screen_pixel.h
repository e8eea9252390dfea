#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/win32/handles.h"

namespace tintavo::bench {

// The least a colour picker can do to learn one screen pixel: take the screen's context, copy
// the pixel into a 1 × 1 memory bitmap and give the context back.
class ScreenPixel {
public:
    ScreenPixel();
    ScreenPixel(const ScreenPixel&) = delete;
    ScreenPixel& operator=(const ScreenPixel&) = delete;

    // GetWindowDC(0), one 1 × 1 BitBlt, ReleaseDC; the copied pixel as a COLORREF.
    COLORREF Read(POINT at);

private:
    std::uint32_t* bits_ = nullptr;
    win32::unique_hbitmap bitmap_;
    win32::unique_hdc memory_;
};

}  // namespace tintavo::bench
