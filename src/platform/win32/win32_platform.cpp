#include "platform/win32/win32_platform.h"

#include <windows.h>

#include "platform/win32/dib_surface.h"

namespace tintavo::win32 {
namespace {

float PixelsToTwips(int pixels) { return static_cast<float>(pixels) * 1440.0f / static_cast<float>(::GetDpiForSystem()); }

}  // namespace

void Win32Screen::Refresh() {
    width_ = PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN));
    height_ = PixelsToTwips(::GetSystemMetrics(SM_CYSCREEN));
}

std::unique_ptr<ImageSurface> Win32Platform::CreateSurface(int width, int height) {
    return std::make_unique<DibSurface>(width, height);
}

}  // namespace tintavo::win32
