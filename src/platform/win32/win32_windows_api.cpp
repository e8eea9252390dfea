#include "platform/win32/win32_windows_api.h"

#include <windows.h>

namespace tintavo::win32 {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
HDC ToHdc(DcHandle dc) { return reinterpret_cast<HDC>(dc); }

}  // namespace

bool Win32WindowsApi::SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int width, int height,
                                   std::uint32_t flags) {
    return ::SetWindowPos(ToHwnd(window), ToHwnd(insertAfter), x, y, width, height, flags) != FALSE;
}

bool Win32WindowsApi::ReleaseCapture() { return ::ReleaseCapture() != FALSE; }

std::intptr_t Win32WindowsApi::SendMessageA(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                            std::intptr_t lParam) {
    return ::SendMessageA(ToHwnd(window), message, wParam, lParam);
}

bool Win32WindowsApi::GetCursorPos(CursorPoint& point) {
    POINT position{point.x, point.y};
    const bool read = ::GetCursorPos(&position) != FALSE;
    if (read) point = {position.x, position.y};
    return read;
}

WindowHandle Win32WindowsApi::GetCapture() { return reinterpret_cast<WindowHandle>(::GetCapture()); }

DcHandle Win32WindowsApi::GetWindowDC(WindowHandle window) {
    return reinterpret_cast<DcHandle>(::GetWindowDC(ToHwnd(window)));
}

bool Win32WindowsApi::BitBlt(DcHandle destination, int x, int y, int width, int height, DcHandle source, int sourceX,
                             int sourceY, std::uint32_t rasterOperation) {
    return ::BitBlt(ToHdc(destination), x, y, width, height, ToHdc(source), sourceX, sourceY, rasterOperation) !=
           FALSE;
}

int Win32WindowsApi::ReleaseDC(WindowHandle window, DcHandle dc) { return ::ReleaseDC(ToHwnd(window), ToHdc(dc)); }

bool Win32WindowsApi::RegisterHotKey(WindowHandle window, int id, std::uint32_t modifiers, std::uint32_t key) {
    return ::RegisterHotKey(ToHwnd(window), id, modifiers, key) != FALSE;
}

bool Win32WindowsApi::UnregisterHotKey(WindowHandle window, int id) {
    return ::UnregisterHotKey(ToHwnd(window), id) != FALSE;
}

}  // namespace tintavo::win32
