#pragma once

#include <cstdint>

namespace tintavo {

// Window and device-context handles as the handlers pass them around; the Win32 backend
// casts them to HWND and HDC, the headless one uses its own numbers. 0 is "none".
using WindowHandle = std::intptr_t;
using DcHandle = std::intptr_t;

struct CursorPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

constexpr WindowHandle kHwndTopmost = -1;
constexpr std::uint32_t kSwpNoSize = 0x01;
constexpr std::uint32_t kSwpNoMove = 0x02;
constexpr std::uint32_t kSwpShowWindow = 0x40;
constexpr std::uint32_t kWmNcLButtonDown = 0xA1;
constexpr std::uintptr_t kHtCaption = 2;
constexpr std::uint32_t kSrcCopy = 0x00CC0020;
constexpr std::uint32_t kModAlt = 0x0001;
constexpr std::uint32_t kModControl = 0x0002;
constexpr std::uint32_t kModNoRepeat = 0x4000;
constexpr std::uint32_t kVkReturn = 0x0D;

// The Windows calls the handlers make, one to one with user32 and gdi32. Results are
// passed back as Windows gives them; the handlers decide what to look at.
class WindowsApi {
public:
    virtual ~WindowsApi() = default;

    virtual bool SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int width,
                              int height, std::uint32_t flags) = 0;
    virtual bool ReleaseCapture() = 0;
    virtual std::intptr_t SendMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                       std::intptr_t lParam) = 0;
    virtual bool GetCursorPos(CursorPoint& point) = 0;
    virtual WindowHandle GetCapture() = 0;
    virtual DcHandle GetWindowDC(WindowHandle window) = 0;
    virtual bool BitBlt(DcHandle destination, int x, int y, int width, int height, DcHandle source,
                        int sourceX, int sourceY, std::uint32_t rasterOperation) = 0;
    virtual int ReleaseDC(WindowHandle window, DcHandle dc) = 0;
    // A key combination for the whole desktop; false when another program has it already.
    virtual bool RegisterHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t key) = 0;
    virtual bool UnregisterHotKey(WindowHandle window, int id) = 0;
};

}  // namespace tintavo
