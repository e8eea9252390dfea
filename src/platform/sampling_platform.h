#pragma once

#include <memory>
#include <span>

#include "platform/platform.h"

namespace tintavo {

// The mean of the colours, each of red, green and blue rounded half up; black for none.
ColourValue MeanColour(std::span<const ColourValue> colours);

// Another platform's services, with its Windows calls passed through unchanged but for two
// things. The point the last GetCursorPos left behind is kept: code that runs after a handler
// knows which screen pixel the handler read, without asking for the cursor again. And a copy
// can take an area instead of one pixel: with a side of 3, 5 or 7, a BitBlt puts the mean of
// the side × side screen pixels centred on its source point that lie on a monitor into the
// destination's first pixel, where the one pixel would have gone. The picker's only copy is the
// sampling tick's, into its one-pixel buffer.
class SamplingPlatform final : public Platform, private WindowsApi {
public:
    explicit SamplingPlatform(Platform& platform) : platform_(platform), api_(platform.Api()) {}

    WindowsApi& Api() override { return *this; }
    const Screen& GetScreen() const override { return platform_.GetScreen(); }
    Clipboard& GetClipboard() override { return platform_.GetClipboard(); }
    SurfaceFactory& Surfaces() override { return platform_.Surfaces(); }

    // What the last GetCursorPos left in its point: the cursor, or on a failed read the point
    // as it was handed in.
    CursorPoint LastCursor() const noexcept { return lastCursor_; }

    // The side of the area a copy takes: 1, 3, 5 or 7 pixels.
    int SampleSide() const noexcept { return side_; }
    void SetSampleSide(int side) { side_ = side; }

private:
    bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int width, int height,
                      std::uint32_t flags) override {
        return api_.SetWindowPos(window, insertAfter, x, y, width, height, flags);
    }
    bool ReleaseCapture() override { return api_.ReleaseCapture(); }
    std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override {
        return api_.SendMessageA(window, message, wParam, lParam);
    }
    bool GetCursorPos(CursorPoint& point) override {
        const bool read = api_.GetCursorPos(point);
        lastCursor_ = point;
        return read;
    }
    WindowHandle GetCapture() override { return api_.GetCapture(); }
    DcHandle GetWindowDC(WindowHandle window) override { return api_.GetWindowDC(window); }
    bool BitBlt(DcHandle destination, int x, int y, int width, int height, DcHandle source, int sourceX,
                int sourceY, std::uint32_t rasterOperation) override;
    int ReleaseDC(WindowHandle window, DcHandle dc) override { return api_.ReleaseDC(window, dc); }
    bool RegisterHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t key) override {
        return api_.RegisterHotKey(window, id, modifiers, key);
    }
    bool UnregisterHotKey(WindowHandle window, int id) override { return api_.UnregisterHotKey(window, id); }

    bool CopyMeanOfArea(DcHandle destination, int x, int y, DcHandle source, CursorPoint centre);

    Platform& platform_;
    WindowsApi& api_;
    CursorPoint lastCursor_;
    int side_ = 1;
    // The area as read, and the one pixel of its mean; made at the first averaged copy.
    std::unique_ptr<ImageSurface> area_;
    std::unique_ptr<ImageSurface> mean_;
};

}  // namespace tintavo
