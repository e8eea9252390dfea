#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/colour_value.h"
#include "platform/windows_api.h"

namespace tintavo::headless {

// One Windows call as the fake saw it: its name and its arguments in order.
struct ApiCall {
    std::string name;
    std::vector<std::int64_t> args;
    friend bool operator==(const ApiCall&, const ApiCall&) = default;
    friend std::ostream& operator<<(std::ostream& out, const ApiCall& call);
};

// A grid of colour values whose top-left pixel stands at (left, top), so that a screen can
// reach into negative coordinates like a monitor left of the primary one.
struct PixelGrid {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<ColourValue> pixels;

    PixelGrid() = default;
    PixelGrid(int left, int top, int width, int height, ColourValue fill);
    bool Contains(int x, int y) const;
    ColourValue& At(int x, int y);
    ColourValue At(int x, int y) const;
};

// The Windows calls of the handlers against a simulated desktop: a screen image, a cursor,
// a mouse capture and device contexts that are really taken and given back. Every call is
// recorded in order with its arguments.
class FakeWindowsApi final : public WindowsApi {
public:
    explicit FakeWindowsApi(PixelGrid screen) : screen_(std::move(screen)) {}

    // The desktop a test sets up.
    void SetScreen(PixelGrid screen) { screen_ = std::move(screen); }
    PixelGrid& ScreenImage() { return screen_; }
    void SetCursor(int x, int y) { cursor_ = {x, y}; }
    void SetCursorReadFails(bool fails) { cursorReadFails_ = fails; }
    void SetCaptureWindow(WindowHandle window) { capture_ = window; }
    // A window of the program with an image of its own, for GetWindowDC of that window.
    void SetWindowImage(WindowHandle window, PixelGrid image) { windowImages_[window] = std::move(image); }
    void SetWindowDcFails(bool fails) { windowDcFails_ = fails; }

    const std::vector<ApiCall>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }
    void Record(std::string name, std::vector<std::int64_t> args);

    // Device contexts taken with GetWindowDC and not given back.
    int WindowDcsInUse() const;
    // Memory device contexts of live images.
    int MemoryDcsInUse() const;

    DcHandle CreateMemoryDc(PixelGrid& image);
    void DeleteMemoryDc(DcHandle dc);

    bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int width, int height,
                      std::uint32_t flags) override;
    bool ReleaseCapture() override;
    std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) override;
    bool GetCursorPos(CursorPoint& point) override;
    WindowHandle GetCapture() override;
    DcHandle GetWindowDC(WindowHandle window) override;
    bool BitBlt(DcHandle destination, int x, int y, int width, int height, DcHandle source, int sourceX,
                int sourceY, std::uint32_t rasterOperation) override;
    int ReleaseDC(WindowHandle window, DcHandle dc) override;
    bool RegisterHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t key) override;
    bool UnregisterHotKey(WindowHandle window, int id) override;

    // The desktop's hotkeys: which window has a key combination, 0 when none.
    WindowHandle HotkeyOwner(std::uint32_t modifiers, std::uint32_t key) const;

private:
    struct Hotkey {
        WindowHandle window = 0;
        int id = 0;
    };

    struct DeviceContext {
        PixelGrid* image = nullptr;
        bool isWindowDc = false;
        WindowHandle window = 0;
    };

    std::vector<ApiCall> calls_;
    PixelGrid screen_;
    std::map<WindowHandle, PixelGrid> windowImages_;
    std::map<DcHandle, DeviceContext> dcs_;
    DcHandle nextDc_ = 0x1000;
    CursorPoint cursor_;
    bool cursorReadFails_ = false;
    bool windowDcFails_ = false;
    WindowHandle capture_ = 0;
    // By modifiers (without MOD_NOREPEAT) and virtual key.
    std::map<std::pair<std::uint32_t, std::uint32_t>, Hotkey> hotkeys_;
};

}  // namespace tintavo::headless
