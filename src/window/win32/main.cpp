#include <windows.h>

#include "platform/win32/fatal_error.h"
#include "platform/win32/win32_platform.h"
#include "window/win32/form_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // The manifest declares per-monitor awareness; this covers a loader that ignored it.
    ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    try {
        tintavo::win32::Win32Platform platform;
        tintavo::win32::FormWindow window(platform);
        window.Create(instance);
        MSG message{};
        while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
            if (window.PreviewMessage(message)) continue;
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        return static_cast<int>(message.wParam);
    } catch (...) {
        tintavo::win32::ReportFatalErrorAndExit();
    }
}
