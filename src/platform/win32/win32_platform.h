#pragma once

#include <memory>

#include "platform/platform.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_windows_api.h"

namespace tintavo::win32 {

// The screen's size in twips, at the system DPI as the forms layer has always measured it,
// and the monitors' rectangles. Read once and again when the display changes: the tick asks
// for the size ten times a second, and GetSystemMetrics is slow under Wine.
class Win32Screen final : public Screen {
public:
    Win32Screen() { Refresh(); }

    float Width() const override { return width_; }
    float Height() const override { return height_; }
    const std::vector<PixelRect>& Monitors() const override { return monitors_; }

    // WM_DISPLAYCHANGE: the resolution or the monitors changed.
    void Refresh();

private:
    float width_ = 0;
    float height_ = 0;
    std::vector<PixelRect> monitors_;
};

class Win32Platform final : public Platform, public SurfaceFactory {
public:
    WindowsApi& Api() override { return api_; }
    const Screen& GetScreen() const override { return screen_; }
    Clipboard& GetClipboard() override { return clipboard_; }
    SurfaceFactory& Surfaces() override { return *this; }
    std::unique_ptr<ImageSurface> CreateSurface(int width, int height) override;

    Win32Clipboard& clipboard() { return clipboard_; }
    Win32Screen& screen() { return screen_; }

private:
    Win32WindowsApi api_;
    Win32Screen screen_;
    Win32Clipboard clipboard_;
};

}  // namespace tintavo::win32
