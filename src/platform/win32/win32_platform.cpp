#include "platform/win32/win32_platform.h"

#include <windows.h>

#include "platform/win32/dib_surface.h"

namespace tintavo::win32 {
namespace {

float PixelsToTwips(int pixels) { return static_cast<float>(pixels) * 1440.0f / static_cast<float>(::GetDpiForSystem()); }

}  // namespace

float Win32Screen::Width() const { return PixelsToTwips(::GetSystemMetrics(SM_CXSCREEN)); }

float Win32Screen::Height() const { return PixelsToTwips(::GetSystemMetrics(SM_CYSCREEN)); }

std::unique_ptr<ImageSurface> Win32Platform::CreateSurface(int width, int height) {
    return std::make_unique<DibSurface>(width, height);
}

}  // namespace tintavo::win32
