#include "platform/win32/win32_platform.h"

#include <windows.h>

#include "platform/win32/dib_surface.h"

namespace tintavo::win32 {
namespace {

float PixelsToTwips(int pixels) { return static_cast<float>(pixels) * 1440.0f / static_cast<float>(::GetDpiForSystem()); }

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT area, LPARAM monitors) {
    reinterpret_cast<std::vector<PixelRect>*>(monitors)->push_back(
        {area->left, area->top, area->right - area->left, area->bottom - area->top});
    return TRUE;
}

}  // namespace

void Win32Screen::Refresh() {
    width_ = PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN));
    height_ = PixelsToTwips(::GetSystemMetrics(SM_CYSCREEN));
    // The process is per-monitor aware: the rectangles are physical pixels.
    monitors_.clear();
    ::EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors_));
}

std::unique_ptr<ImageSurface> Win32Platform::CreateSurface(int width, int height) {
    return std::make_unique<DibSurface>(width, height);
}

}  // namespace tintavo::win32
