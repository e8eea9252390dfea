#pragma once

#include "platform/windows_api.h"

namespace tintavo::win32 {

// The handlers' Windows calls, passed straight to user32 and gdi32.
class Win32WindowsApi final : public WindowsApi {
public:
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
};

}  // namespace tintavo::win32
