#pragma once

#include <windows.h>

namespace tintavo::win32 {

// The picker's additions to its window menu (Alt+Space, or a right click on the title bar):
// after a separator, the magnifier with a check mark while it is open, and a disabled line
// when another program has the hold hotkey.
class WindowMenu {
public:
    // WM_SYSCOMMAND ids: below 0xF000, and the system keeps the low four bits for itself.
    static constexpr UINT kMagnifierCommand = 0x0010;
    static constexpr UINT kHotkeyTakenLine = 0x0020;

    WindowMenu(HWND window, bool hotkeyTaken);

    static bool IsMagnifierCommand(WPARAM command) { return (command & 0xFFF0) == kMagnifierCommand; }
    void CheckMagnifier(bool open);

private:
    HMENU menu_ = nullptr;
};

}  // namespace tintavo::win32
