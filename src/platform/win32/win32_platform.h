#pragma once

#include <memory>

#include "platform/platform.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_windows_api.h"

namespace tintavo::win32 {

// The screen's size in twips, at the system DPI as the forms layer has always measured it.
class Win32Screen final : public Screen {
public:
    float Width() const override;
    float Height() const override;
};

class Win32Platform final : public Platform, public SurfaceFactory {
public:
    WindowsApi& Api() override { return api_; }
    const Screen& GetScreen() const override { return screen_; }
    Clipboard& GetClipboard() override { return clipboard_; }
    SurfaceFactory& Surfaces() override { return *this; }
    std::unique_ptr<ImageSurface> CreateSurface(int width, int height) override;

    Win32Clipboard& clipboard() { return clipboard_; }

private:
    Win32WindowsApi api_;
    Win32Screen screen_;
    Win32Clipboard clipboard_;
};

}  // namespace tintavo::win32
