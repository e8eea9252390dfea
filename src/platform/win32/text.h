#pragma once

#include <windows.h>

#include <string>

namespace tintavo::win32 {

// The forms layer keeps UTF-16 as char16_t; Win32 takes it as wchar_t, which is 16 bits wide
// on Windows.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring ToWide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

inline std::u16string WindowText(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), length + 1);
    return std::u16string(text.begin(), text.begin() + copied);
}

}  // namespace tintavo::win32
