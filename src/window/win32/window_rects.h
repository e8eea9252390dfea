#pragma once

#include <windows.h>

#include "platform/forms/image_surface.h"

namespace tintavo::win32 {

// Rectangles in screen pixels, for placing a window beside another.
inline PixelRect ToPixelRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

inline PixelRect FrameOf(HWND window) {
    RECT frame{};
    ::GetWindowRect(window, &frame);
    return ToPixelRect(frame);
}

// The work area of the monitor the window lies on most.
inline PixelRect WorkAreaOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return ToPixelRect(monitor.rcWork);
}

}  // namespace tintavo::win32
