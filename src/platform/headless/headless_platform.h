#pragma once

#include <memory>

#include "platform/headless/fake_windows_api.h"
#include "platform/platform.h"

namespace tintavo::headless {

// The colours of the headless desktop's scheme.
ColourValue ResolveSystemColour(ColourValue colour);

class FakeScreen final : public Screen {
public:
    float Width() const override { return width_; }
    float Height() const override { return height_; }
    void SetSizeTwips(float width, float height) {
        width_ = width;
        height_ = height;
    }

private:
    float width_ = 1920 * 15.0f;
    float height_ = 1080 * 15.0f;
};

// The platform without a display: the fake Windows calls, a screen of a size the test sets,
// and picture images as pixel grids with device contexts of the fake.
class HeadlessPlatform final : public Platform, public SurfaceFactory {
public:
    WindowsApi& Api() override { return api_; }
    const Screen& GetScreen() const override { return screen_; }
    SurfaceFactory& Surfaces() override { return *this; }
    std::unique_ptr<ImageSurface> CreateSurface(int width, int height) override;

    FakeWindowsApi& fake() { return api_; }
    FakeScreen& screen() { return screen_; }

private:
    FakeWindowsApi api_;
    FakeScreen screen_;
};

}  // namespace tintavo::headless
