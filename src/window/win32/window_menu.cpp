#include "window/win32/window_menu.h"

namespace tintavo::win32 {

WindowMenu::WindowMenu(HWND window, bool hotkeyTaken) : menu_(::GetSystemMenu(window, FALSE)) {
    ::AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu_, MF_STRING | MF_UNCHECKED, kMagnifierCommand, L"拡大鏡(&Z)");
    if (hotkeyTaken) {
        ::AppendMenuW(menu_, MF_STRING | MF_GRAYED, kHotkeyTakenLine, L"Ctrl+Alt+Enter は他のプログラムが使用中");
    }
}

void WindowMenu::CheckMagnifier(bool open) {
    ::CheckMenuItem(menu_, kMagnifierCommand, MF_BYCOMMAND | (open ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace tintavo::win32
