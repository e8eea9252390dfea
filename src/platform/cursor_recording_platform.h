#pragma once

#include "platform/platform.h"

namespace tintavo {

// Another platform's services, with its Windows calls passed through unchanged except that the
// point the last GetCursorPos left behind is kept: code that runs after a handler knows which
// screen pixel the handler read, without asking for the cursor again.
class CursorRecordingPlatform final : public Platform, private WindowsApi {
public:
    explicit CursorRecordingPlatform(Platform& platform) : platform_(platform), api_(platform.Api()) {}

    WindowsApi& Api() override { return *this; }
    const Screen& GetScreen() const override { return platform_.GetScreen(); }
    Clipboard& GetClipboard() override { return platform_.GetClipboard(); }
    SurfaceFactory& Surfaces() override { return platform_.Surfaces(); }

    // What the last GetCursorPos left in its point: the cursor, or on a failed read the point
    // as it was handed in.
    CursorPoint LastCursor() const noexcept { return lastCursor_; }

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
                int sourceY, std::uint32_t rasterOperation) override {
        return api_.BitBlt(destination, x, y, width, height, source, sourceX, sourceY, rasterOperation);
    }
    int ReleaseDC(WindowHandle window, DcHandle dc) override { return api_.ReleaseDC(window, dc); }
    bool RegisterHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t key) override {
        return api_.RegisterHotKey(window, id, modifiers, key);
    }
    bool UnregisterHotKey(WindowHandle window, int id) override { return api_.UnregisterHotKey(window, id); }

    Platform& platform_;
    WindowsApi& api_;
    CursorPoint lastCursor_;
};

}  // namespace tintavo
