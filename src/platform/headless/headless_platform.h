#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/headless/fake_windows_api.h"
#include "platform/platform.h"

namespace tintavo::headless {

// The colours of the headless desktop's scheme.
ColourValue ResolveSystemColour(ColourValue colour);

class FakeScreen final : public Screen {
public:
    float Width() const override { return width_; }
    float Height() const override { return height_; }
    const std::vector<PixelRect>& Monitors() const override { return monitors_; }
    void SetSizeTwips(float width, float height) {
        width_ = width;
        height_ = height;
    }
    void SetMonitors(std::vector<PixelRect> monitors) { monitors_ = std::move(monitors); }

private:
    float width_ = 1920 * 15.0f;
    float height_ = 1080 * 15.0f;
    std::vector<PixelRect> monitors_{{0, 0, 1920, 1080}};
};

// A clipboard shared with other programs: it holds data in any number of formats, and
// another program can keep it open for a number of attempts.
class FakeClipboard final : public Clipboard {
public:
    bool TryReplaceText(const std::u16string& text) override;
    void WaitBeforeRetry(int) override { ++waits_; }

    // What another program put there, in a format named as the test likes.
    void Put(const std::string& format, std::u16string data) { formats_[format] = std::move(data); }
    const std::map<std::string, std::u16string>& Formats() const { return formats_; }
    void HoldOpenFor(int attempts) { heldAttempts_ = attempts; }
    int Attempts() const { return attempts_; }
    int Waits() const { return waits_; }

private:
    std::map<std::string, std::u16string> formats_;
    int heldAttempts_ = 0;
    int attempts_ = 0;
    int waits_ = 0;
};

// The platform without a display: the fake Windows calls, a screen of a size the test sets,
// and picture images as pixel grids with device contexts of the fake.
class HeadlessPlatform final : public Platform, public SurfaceFactory {
public:
    // A black 1920 × 1080 screen unless the test brings its own.
    explicit HeadlessPlatform(PixelGrid screen = PixelGrid(0, 0, 1920, 1080, 0)) : api_(std::move(screen)) {}

    WindowsApi& Api() override { return api_; }
    const Screen& GetScreen() const override { return screen_; }
    Clipboard& GetClipboard() override { return clipboard_; }
    SurfaceFactory& Surfaces() override { return *this; }
    std::unique_ptr<ImageSurface> CreateSurface(int width, int height) override;

    FakeWindowsApi& fake() { return api_; }
    FakeScreen& screen() { return screen_; }
    FakeClipboard& clipboard() { return clipboard_; }

private:
    FakeWindowsApi api_;
    FakeScreen screen_;
    FakeClipboard clipboard_;
};

}  // namespace tintavo::headless
