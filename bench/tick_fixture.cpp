#include "tick_fixture.h"

#include <cwchar>

namespace tintavo::bench {

void TickFixture::Pump() const {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (window.PreviewMessage(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

void TickFixture::RestPointer(POINT at) const {
    constexpr DWORD kCursorRecordAgeMs = 150;
    ::SetCursorPos(at.x, at.y);
    const ULONGLONG until = ::GetTickCount64() + kCursorRecordAgeMs;
    while (::GetTickCount64() < until) {
        Pump();
        ::Sleep(10);
    }
}

std::wstring ColourCode(COLORREF colour) {
    wchar_t code[8]{};
    std::swprintf(code, 8, L"#%02X%02X%02X", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return code;
}

}  // namespace tintavo::bench
