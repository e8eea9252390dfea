#pragma once

// Reading the picker's window from another process: what probe.exe and the soak helper share.
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace tintavo::remote {

inline constexpr wchar_t kFormClass[] = L"TintavoForm1";
// A hung or crashed target must not hang the reader with it.
inline constexpr UINT kMessageTimeoutMilliseconds = 2000;

inline std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), size, nullptr, nullptr);
    return utf8;
}

inline bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kMessageTimeoutMilliseconds,
                               &result) != 0;
}

// WM_GETTEXT rather than GetWindowTextW: across processes GetWindowTextW returns the text that
// the window manager keeps, which an edit control does not update.
inline bool ReadText(HWND window, std::wstring& text) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                             kMessageTimeoutMilliseconds, &length)) {
        return false;
    }
    std::vector<wchar_t> buffer(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                             SMTO_ABORTIFHUNG | SMTO_BLOCK, kMessageTimeoutMilliseconds, &copied)) {
        return false;
    }
    text.assign(buffer.data(), copied);
    return true;
}

// The screen's device context, given back when done.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ~ScreenDc() {
        if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;

    HDC Get() const { return dc_; }

private:
    HDC dc_ = nullptr;
};

}  // namespace tintavo::remote
